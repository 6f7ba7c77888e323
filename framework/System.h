// Facts and file operations of the platform that the portable code needs.
#pragma once
#include <string>

#include "core/LeadBytes.h"

// Lead bytes of the system's ANSI code page (none for single-byte pages and UTF-8).
LeadBytes AfxGetLeadBytes();

// The separator the platform puts between a folder and a name.
char AfxPathSeparator();

// Moves the file from onto to, replacing to if it exists. False on failure,
// leaving both as they were.
bool AfxReplaceFile(const std::string& from, const std::string& to);
