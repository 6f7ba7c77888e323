// Answering `pause` in a command interpreter that the program started.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "Wait.h"

namespace e2e {

// The id of a running cmd.exe that descends from process `ancestor` (Toolhelp snapshot;
// the program's system() starts cmd.exe as its child); 0 if there is none.
DWORD FindCommandInterpreter(DWORD ancestor);

// What AnswerPause did; converts to true if the key was sent.
struct PauseAnswer {
    bool answered = false;
    std::string screen;   // the console's buffer when the prompt showed (or when it gave up)
    std::string failure;  // the step that did not succeed, for the test's failure message
    explicit operator bool() const { return answered; }
};

// Waits for a cmd.exe below `ancestor`, attaches to its console (FreeConsole, then
// AttachConsole, retried while the console is being set up), polls the screen buffer
// (ReadConsoleOutputCharacterA) until it shows "Press any key" (`prompt` times: 2 for the
// second `pause` of the same console, whose first prompt is still on the screen), writes
// one Enter key press
// into the console input (WriteConsoleInputA), and detaches (FreeConsole). The test's own
// standard handles are restored afterwards. `screen` is the whole buffer as it stood when
// the prompt appeared (rows joined with '\n', trailing blanks removed), so a test can check
// what the script printed. Not answered if any step did not succeed within `timeout`; no
// key is sent then, and `failure` says which step it was.
PauseAnswer AnswerPause(DWORD ancestor, std::chrono::milliseconds timeout = kTimeout,
                        int prompt = 1);

} // namespace e2e
