// Choice of the messages' language from the environment, once per process.
#include "cli/messages.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace marevo::cli {

namespace {

bool DecideJapanese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return value[0] == 'j' && value[1] == 'a';
    }
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
#else
    return false;
#endif
}

} // namespace

bool JapaneseMessages()
{
    static const bool japanese = DecideJapanese();
    return japanese;
}

} // namespace marevo::cli
