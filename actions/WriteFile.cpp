// Some C run times do not report a failed final flush from fclose, so the
// data is flushed and checked before closing.
#include "actions/WriteFile.h"

#include <cstdio>

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return WriteResult::CannotOpen;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = !std::ferror(file) && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok) return WriteResult::Written;
    std::remove(path.c_str());
    return WriteResult::WriteFailed;
}
