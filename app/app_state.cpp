// The program's one AppState.
#include "app/app_state.h"

#include <new>

namespace marevo {

namespace {
// The program's one mutable global; never freed: lives until the process ends.
AppState* state = new AppState();
}

AppState& App() { return *state; }

void ResetAppState()
{
    // In place: the references the tests hold stay valid.
    state->~AppState();
    new (state) AppState();
}

} // namespace marevo
