// Save: the new content goes to a temporary file beside the target, which
// then replaces the target in one step.
#include "actions/SaveOutput.h"

#include <atomic>
#include <chrono>
#include <cstdio>

#include "actions/WriteFile.h"
#include "core/Text.h"
#include "framework/System.h"

namespace {

// A name in the target's folder that no other save of this run uses.
std::string TemporaryPath(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    char name[48];
    std::snprintf(name, sizeof name, "~tarnix%05x%03x.tmp", static_cast<unsigned>(stamp & 0xFFFFF), counter++ & 0xFFF);
    return folder + name;
}

}  // namespace

SaveResult SaveOutput(const std::string& path, std::string_view output) {
    const std::string temp = TemporaryPath(path);
    switch (WriteWholeFile(temp, UpToFirstNul(output))) {
        case WriteResult::CannotOpen: return SaveResult::CannotOpen;
        case WriteResult::WriteFailed: return SaveResult::WriteFailed;
        case WriteResult::Written: break;
    }
    if (AfxReplaceFile(temp, path)) return SaveResult::Saved;
    std::remove(temp.c_str());
    return SaveResult::CannotOpen;
}

std::string SaveFailureMessage(SaveResult result, const std::string& path) {
    return (result == SaveResult::WriteFailed ? "Unable to write " : "Unable to open ") + path;
}
