// What the test program was told on its command line and by run-under-wine.sh.
#pragma once

#include <string>

namespace e2e {

// Takes the harness's own arguments out of argv (after GoogleTest has taken its own):
// --tarnix=PATH, the program under test, a Unix or a Windows path. Unknown arguments stay.
void ParseOptions(int* argc, char** argv);

// The program under test as a Windows path ("Z:\..." for a Unix path); empty if not given.
const std::string& TarnixExe();

// A Unix absolute path as Wine sees it through drive Z: ("/a/b" -> "Z:\a\b"); any other
// text is returned unchanged.
std::string WindowsPath(const std::string& path);

// Where a test puts files worth keeping (screenshots): the folder named by the environment
// variable TARNIX_E2E_ARTIFACTS (run-under-wine.sh sets it), else the current folder.
std::string ArtifactPath(const std::string& fileName);

} // namespace e2e
