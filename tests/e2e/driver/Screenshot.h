// A picture of a window as it is on the screen.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace e2e {

// Copies the window's screen rectangle (GetWindowRect, clipped to the screen) from the
// screen DC (BitBlt) into a 24-bit bottom-up .bmp file at `bmpPath` (a Windows path;
// run-under-wine.sh converts the .bmp files in its artifact folder to .png). Painting
// happens when the program is idle, so it captures until two pictures `settle` apart are
// equal (at most 20 tries) and writes the last one. Whatever covers the window is in the
// picture too. False if the window is gone or off screen, or the file could not be
// written whole.
bool SaveScreenshot(HWND window, const std::string& bmpPath,
                    std::chrono::milliseconds settle = std::chrono::milliseconds(100));

} // namespace e2e
