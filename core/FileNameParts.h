// The full name of the file being processed and the four parts the template
// can refer to, with the rules that split a name and turn its backslashes
// into forward slashes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/LeadBytes.h"

// Parts are kept whole, however long: a cut name in a generated command would
// act on another file, and drive + directory + name + extension always spell
// the full name.
struct FileNameParts {
    std::string m_szFullName;
    std::string m_szDrive;  // "C:" or empty
    std::string m_szDir;    // up to and including the last '\' or '/'
    std::string m_szName;   // the base name without its extension
    std::string m_szExt;    // from the last dot of the base name, dot included
};

// Where the parts of a full name end: drive [0, driveEnd), directory
// [driveEnd, dirEnd), name [dirEnd, nameEnd), extension [nameEnd, size).
struct FileNameSplit {
    size_t driveEnd = 0;
    size_t dirEnd = 0;
    size_t nameEnd = 0;
};

// Finds the parts of fullName. A lead byte and the byte after it are one
// character: neither is taken for a separator or a dot.
FileNameSplit FindSplit(std::string_view fullName, const LeadBytes& lead);

// Sets the drive, directory, name and extension of parts to those of
// fullName; parts.m_szFullName is left as it is.
void SplitName(std::string_view fullName, const LeadBytes& lead, FileNameParts& parts);

// Splits parts.m_szFullName into drive, directory, name and extension.
void SplitFullName(FileNameParts& parts, const LeadBytes& lead);

// Replaces every '\' by '/' in place, stepping over double-byte characters
// whole so that a trail byte 0x5C is left as it is.
void ToUnixSlashes(std::string& text, const LeadBytes& lead);
