// Win32 back end: code page facts and file replacement.
#include "framework/win32/Win32.h"

#include "framework/System.h"

LeadBytes AfxGetLeadBytes() {
    return LeadBytes::FromPredicate([](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; });
}

char AfxPathSeparator() { return '\\'; }

bool AfxReplaceFile(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
