#pragma once

// What quavel-askpass and the AskpassServer say to each other: the helper
// sends ssh's prompt and closes its side; the server answers with
// kAnswerGiven and the answer, or with kAnswerDeclined alone.

#include <string_view>

inline constexpr std::string_view kAskpassSocketVariable = "QUAVEL_ASKPASS_SOCKET";
inline constexpr char kAnswerGiven = '+';
inline constexpr char kAnswerDeclined = '-';
// Longer prompts are cut; longer answers refused.
inline constexpr std::size_t kAskpassMessageLimit = 64 * 1024;
