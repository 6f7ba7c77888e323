// A picture of a window as it is on the screen.
#include "Screenshot.h"

#include <cstdio>
#include <vector>

namespace e2e {

namespace {

struct Picture {
    BITMAPINFOHEADER info{};
    std::vector<char> bits;
};

bool Capture(HWND window, Picture* picture)
{
    RECT rect;
    if (!IsWindow(window) || !GetWindowRect(window, &rect))
        return false;
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!IntersectRect(&rect, &rect, &screen))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom-up, as a .bmp file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.bmiHeader.biSizeImage = stride * static_cast<DWORD>(height);

    HDC screenDc = GetDC(nullptr);
    HDC memoryDc = CreateCompatibleDC(screenDc);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memoryDc && bitmap) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        ok = BitBlt(memoryDc, 0, 0, width, height, screenDc, rect.left, rect.top,
                    SRCCOPY | CAPTUREBLT) != 0;
        GdiFlush();
        SelectObject(memoryDc, old);
        if (ok) {
            picture->info = info.bmiHeader;
            const char* begin = static_cast<const char*>(bits);
            picture->bits.assign(begin, begin + info.bmiHeader.biSizeImage);
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memoryDc)
        DeleteDC(memoryDc);
    ReleaseDC(nullptr, screenDc);
    return ok;
}

bool WriteBmp(const std::string& path, const Picture& picture)
{
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof picture.info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(picture.bits.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&picture.info, sizeof picture.info, 1, out) == 1 &&
              std::fwrite(picture.bits.data(), 1, picture.bits.size(), out) ==
                  picture.bits.size();
    // A failed final flush is not reported by every fclose: flush and check first.
    ok = std::fflush(out) == 0 && !std::ferror(out) && ok;
    return std::fclose(out) == 0 && ok;
}

} // namespace

bool SaveScreenshot(HWND window, const std::string& bmpPath, std::chrono::milliseconds settle)
{
    Picture last;
    if (!Capture(window, &last))
        return false;
    for (int tries = 0; tries < 20; ++tries) {
        Sleep(static_cast<DWORD>(settle.count()));
        Picture next;
        if (!Capture(window, &next))
            return false;
        const bool same = next.bits == last.bits;
        last = std::move(next);
        if (same)
            break;
    }
    return WriteBmp(bmpPath, last);
}

} // namespace e2e
