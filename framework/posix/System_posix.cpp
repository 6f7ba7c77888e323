// POSIX back end: code page facts and file replacement. Names are UTF-8 here,
// where no byte of a character can be taken for a separator or a dot.
#include <cstdio>

#include "framework/System.h"

LeadBytes AfxGetLeadBytes() { return LeadBytes(); }

char AfxPathSeparator() { return '/'; }

bool AfxReplaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
