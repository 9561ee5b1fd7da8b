// The program's one AppState.
#include "app/app_state.h"

namespace marevo {

namespace {
AppState* state = new AppState(); // never freed: lives until the process ends
}

AppState& App() { return *state; }

void ResetAppState() { *state = AppState(); }

} // namespace marevo
