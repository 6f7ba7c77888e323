// Writing a whole file and knowing that it was written whole.
#pragma once
#include <string>
#include <string_view>

enum class WriteResult { Written, CannotOpen, WriteFailed };

// Creates or truncates path and writes bytes in binary mode. A failed write,
// flush or close removes the partial file and reports WriteFailed.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);
