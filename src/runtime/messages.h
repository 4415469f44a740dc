// Message boxes and console output.
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/text.h"

namespace rt {

// Button codes returned by ShowMessage.
inline constexpr int32_t MessageOk = 1;
inline constexpr int32_t MessageCancel = 2;
inline constexpr int32_t MessageYes = 6;
inline constexpr int32_t MessageNo = 7;
// Platform message-box flags (button sets and icons).
inline constexpr uint32_t MessageFlagOkCancel = 0x1;
inline constexpr uint32_t MessageFlagYesNoCancel = 0x3;
inline constexpr uint32_t MessageFlagYesNo = 0x4;
inline constexpr uint32_t MessageFlagIconError = 0x10;
inline constexpr uint32_t MessageFlagIconQuestion = 0x20;
inline constexpr uint32_t MessageFlagIconWarning = 0x30;
inline constexpr uint32_t MessageFlagIconInformation = 0x40;

// A modal message box; the code of the button pressed. Without a display the text
// goes to standard error as "title: text" and the result is 0.
int32_t ShowMessage(TextView title, TextView text, uint32_t flags = 0);

// For tests: while a stand-in is set, every message box goes to it instead of the screen
// or standard error, and ShowMessage returns its answer; an empty stand-in ends that.
using MessageStandIn = std::function<int32_t(TextView title, TextView text, uint32_t flags)>;
void SetMessageStandInForTests(MessageStandIn standIn);

// Console output goes to standard output only after OpenConsole.
void OpenConsole();
void ConsoleWrite(TextView text);
void ConsoleWriteLine(TextView text);

}  // namespace rt
