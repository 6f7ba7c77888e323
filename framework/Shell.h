// The shell: the folder browser, opening documents and web pages, and the
// command interpreter that runs scripts.
#pragma once
#include <memory>
#include <string>

#include "framework/Wnd.h"

// A folder chosen in the shell's browser. Frees its item list with the
// shell's allocator when destroyed.
class CShellFolder {
public:
    virtual ~CShellFolder() = default;
    // The folder's file-system path (at most 259 bytes); empty for a virtual folder.
    virtual std::string GetPath() const = 0;
};

// Shows the folder browser (no owner, the desktop as root, every folder
// allowed) with this title. nullptr when the user cancels.
std::unique_ptr<CShellFolder> AfxBrowseForFolder(const std::string& title);

// Opens a document or address with the shell's "open" verb, shown normally.
// Returns false when the shell reports a failure.
bool AfxShellOpen(CWnd* pOwner, const std::string& target);

// Opens the manual at a topic (an anchor in the page). False on failure.
bool AfxOpenManual(CWnd* pOwner, const std::string& manualPath, const std::string& topic);

// Runs the script through the system's command interpreter and waits until
// it ends; the path reaches the interpreter as one argument whatever it holds.
void AfxRunScript(const std::string& scriptPath);
// Deletes the script with the command interpreter's own delete command, and waits.
void AfxDeleteScript(const std::string& scriptPath);
