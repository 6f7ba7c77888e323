// Writing the output to a file chosen by the user.
#pragma once
#include <string>
#include <string_view>

enum class SaveResult {
    Saved,
    CannotOpen,   // the file cannot be created or replaced: nothing changed
    WriteFailed,  // the content could not be written whole: nothing changed
};

// Writes the text up to its first NUL, byte for byte, to path. The content is
// written completely to a new file in the same folder before it replaces an
// existing file, so a failure never leaves a half-written file behind.
SaveResult SaveOutput(const std::string& path, std::string_view output);

// The message a failed save shows, naming the path.
std::string SaveFailureMessage(SaveResult result, const std::string& path);
