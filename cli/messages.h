// The language of marevo-cli's usage and messages: Japanese under a Japanese locale
// (LC_ALL, LC_MESSAGES or LANG starting with "ja"; under Windows without them, a Japanese
// user interface language), English otherwise. Outputs (tables, CSV, JSON) do not change.
#pragma once

#include <string>

namespace marevo::cli {

bool JapaneseMessages();

// The text of the user's language (both UTF-8).
inline std::string Say(const char* japanese, const char* english)
{
    return JapaneseMessages() ? japanese : english;
}

} // namespace marevo::cli
