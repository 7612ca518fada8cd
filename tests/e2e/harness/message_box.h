#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

namespace e2e {

inline constexpr char kDialogClass[] = "#32770";
// The id of the static holding a message box's text.
inline constexpr int kMessageTextId = 0xFFFF;

// The process's first visible message box; null when none shows up in time.
HWND WaitForMessageBox(DWORD processId, std::chrono::milliseconds timeout);

// The message: the text static, or failing that the first static with text.
std::optional<std::string> MessageBoxText(HWND box);

enum class AnswerMethod {
    kClick,          // a real mouse click on the button closed the box
    kButtonMessage,  // the click did not; BM_CLICK did
};

std::ostream& operator<<(std::ostream& out, AnswerMethod method);

// The caption the system gives a box that names none, read off such a box of this process;
// nothing when it does not show up in time.
std::optional<std::string> DefaultMessageBoxCaption(std::chrono::milliseconds timeout);

// Presses the button and waits up to the timeout for the box to go, once per method.
// Nothing when the button is missing or the box outlives both.
std::optional<AnswerMethod> AnswerMessageBox(HWND box, int buttonId,
                                             std::chrono::milliseconds timeout);

}  // namespace e2e
