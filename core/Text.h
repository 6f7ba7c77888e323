// Small helpers on the program's 8-bit texts.
#pragma once
#include <string_view>

// The text up to its first NUL byte: what a C string of it would hold, and so
// what the output box, the clipboard and a saved file receive.
inline std::string_view UpToFirstNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}
