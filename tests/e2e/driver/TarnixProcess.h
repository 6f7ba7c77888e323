// One run of the program under test, driven from outside through its window, as a user and
// the shell would: its controls, real drops, keys, the clipboard, its consoles and dialogs.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ConsolePause.h"
#include "Drop.h"
#include "Wait.h"

namespace e2e {

// How a run starts.
struct StartOptions {
    // Added to (or replacing, by case-insensitive name) the test's own environment.
    std::vector<std::pair<std::string, std::string>> environment;
    // The program's current folder (a Windows path); empty: the test's own.
    std::string workingDirectory;
    // The command line after the program's quoted name (the program takes none).
    std::string arguments;
    // The caption that identifies the main window.
    std::string caption = "Tarnix v1.0";
};

class TarnixProcess {
public:
    TarnixProcess() = default;
    TarnixProcess(const TarnixProcess&) = delete;
    TarnixProcess& operator=(const TarnixProcess&) = delete;
    // Ends the program (TerminateProcess) if it is still running.
    ~TarnixProcess();

    // Starts `exe` (a Windows path; Options.h's TarnixExe() is the program under test) with
    // CreateProcess and waits until its main window (a visible top-level window of that
    // process with the caption in `options`) exists. False if the process could not be
    // created, or exited, or showed no such window within `timeout`; the process is
    // then ended. Call once per object.
    bool Start(const std::string& exe, const StartOptions& options = {},
               std::chrono::milliseconds timeout = kTimeout);

    DWORD Pid() const { return m_pid; }
    HANDLE Process() const { return m_hProcess; }
    HWND MainWindow() const { return m_hwndMain; }

    // The main window's child with this id (GetDlgItem); nullptr if there is none.
    HWND Control(int id) const;

    // A control's text, byte for byte (see WindowText.h's GetText); nullopt on failure.
    std::optional<std::string> Text(int id) const;
    // Replaces a control's text (WM_SETTEXT, sent). Like a program's own SetWindowText, it
    // makes an edit send EN_CHANGE. False on failure.
    bool SetText(int id, const std::string& text) const;
    // Polls until the control's text equals `expected`. False when `timeout` passed first.
    bool WaitForText(int id, const std::string& expected,
                     std::chrono::milliseconds timeout = kTimeout) const;
    // A check box's state: 0, 1 or 2; nullopt on failure.
    std::optional<int> Check(int id) const;

    // Posts BM_CLICK to the button (an automatic check box toggles). Posted, so a modal
    // dialog or a blocking action started by the click does not block the test: poll for
    // the effect, or call Sync(). False if the post failed (no such control).
    bool Click(int id) const;

    // Returns once the program has handled every message posted to it before this call
    // (a marker is posted behind them: EM_SETMODIFY on `markerEdit`, an edit whose modify
    // flag the program does not use; the flag is cleared again afterwards). False if the
    // program did not get there within `timeout`, e.g. because a posted click is still
    // blocked in a modal dialog or a script.
    bool Sync(int markerEdit = 1000, std::chrono::milliseconds timeout = kTimeout) const;

    // A real drop of `names` on the main window (Drop.h): ANSI names, or UTF-16 names
    // (fWide TRUE). Returns once the program has handled the WM_DROPFILES message; false
    // if the drop could not be delivered or the program did not answer in time.
    bool DropFiles(const std::vector<std::string>& names, DropPoint where = {}) const;
    bool DropFilesWide(const std::vector<std::wstring>& names, DropPoint where = {}) const;

    // Whether the main window is in the topmost band (WS_EX_TOPMOST).
    bool IsTopmost() const;

    // An edit's selection (EM_GETSEL): {start, end} in characters; nullopt on failure.
    std::optional<std::pair<DWORD, DWORD>> Selection(int id) const;
    // Selects characters [start, end) of an edit (EM_SETSEL, sent), e.g. to place the caret
    // before a posted key or command. False on failure.
    bool Select(int id, DWORD start, DWORD end) const;

    // Posts a key press to the control (Keys.h: Enter, Escape, Tab, F1, ...); the program's
    // dialog manager handles it. Posted: poll for the effect or Sync(). False on failure.
    bool PostKey(int id, WORD virtualKey) const;

    // The program's visible windows owned by the main window (message boxes, Save As, the
    // folder browser), and a wait for one of them with an exact caption (any if empty).
    std::vector<HWND> OwnedWindows() const;
    HWND WaitForOwnedWindow(const std::string& caption = {},
                            std::chrono::milliseconds timeout = kTimeout) const;

    // Answers a `pause` in a cmd.exe that the program started (ConsolePause.h).
    PauseAnswer AnswerPause(std::chrono::milliseconds timeout = kTimeout, int prompt = 1) const;

    // Writes a picture of the main window (Screenshot.h) to `bmpPath`.
    bool Screenshot(const std::string& bmpPath) const;

    // Waits for the process to end. False when `timeout` passed first.
    bool WaitForExit(std::chrono::milliseconds timeout = kTimeout) const;
    // Whether the process is still running.
    bool IsRunning() const;
    // The exit code once the process has ended; nullopt while it runs.
    std::optional<DWORD> ExitCode() const;
    // Posts WM_CLOSE to the main window (the close box) and waits for the process to end.
    // False if it is still running after `timeout` (the destructor then ends it).
    bool Close(std::chrono::milliseconds timeout = kTimeout) const;

private:
    HANDLE m_hProcess = nullptr;
    DWORD m_pid = 0;
    HWND m_hwndMain = nullptr;
};

} // namespace e2e
