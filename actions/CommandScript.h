// The command script that "Run..." writes into the chosen folder: it changes
// to that folder, runs the output's commands and waits for a key.
#pragma once
#include <string>
#include <string_view>

#include "core/LeadBytes.h"

constexpr char kScriptName[] = "tarnixtemp.bat";

// The script's path: the folder, the separator and the script's name, joined
// as they are (a folder ending in a separator gives a doubled one).
std::string ScriptPath(const std::string& folder, char separator);

// The script's exact bytes: the folder's drive (if any), "cd" and its
// directory (quoted when it holds characters the interpreter would parse),
// the output up to its first NUL, an empty line end and "pause", every line
// feed written as CR LF (a CR LF in the output becomes CR CR LF).
std::string ScriptBytes(const std::string& folder, std::string_view output, const LeadBytes& lead, char separator);
