// The full name of the file being processed and the four parts the template
// can refer to, with the rules that split a name and turn its backslashes
// into forward slashes.
#pragma once
#include <string>

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

// Splits parts.m_szFullName into drive, directory, name and extension.
// A lead byte and the byte after it are one character: neither is taken for
// a separator or a dot.
void SplitFullName(FileNameParts& parts, const LeadBytes& lead);

// Replaces every '\' by '/' in place, stepping over double-byte characters
// whole so that a trail byte 0x5C is left as it is.
void ToUnixSlashes(std::string& text, const LeadBytes& lead);
