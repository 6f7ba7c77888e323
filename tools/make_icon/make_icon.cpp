// make_icon: draws the Tarnix application icon (a sheet of text lines with a green drop
// arrow) and writes res/Tarnix.ico, seven classic DIB images from 16x16 to 64x64.
// Usage: make_icon OUT.ico

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Inks: each part of the artwork has one ink, and each ink has a colour per depth,
// so the 1-bit and 4-bit images use hand-picked colours instead of lossy nearest matches.

struct Rgb {
    int r, g, b;
};

enum Ink : int {
    kNone,  // transparent
    kOutline,
    kPaper,
    kFold,
    kText,
    kArrowEdge,
    kArrowFill,
    kArrowShine,
    kInkCount
};

struct InkColours {
    Rgb rgb;      // 8-bit images (anti-aliased, then matched to the 256-colour palette)
    int vga;      // 4-bit images: index into the standard 16-colour palette
    int mono;     // 1-bit images: 0 black, 1 white
};

// Every true-colour value below is a 6x6x6 cube entry or a grey of the 8-bit palette,
// so flat areas stay exact and only anti-aliased edges get matched.
const std::array<InkColours, kInkCount> kInks = {{
    {{0, 0, 0}, 0, 0},          // kNone: transparent, its colours are never written
    {{51, 51, 51}, 0, 0},       // kOutline: near-black, softer than pure black at large sizes
    {{255, 255, 255}, 15, 1},   // kPaper
    {{204, 204, 204}, 7, 1},    // kFold: the turned-down corner
    {{51, 102, 153}, 4, 0},     // kText: slate blue lines
    {{0, 102, 0}, 2, 0},        // kArrowEdge: dark green
    {{51, 204, 51}, 10, 1},     // kArrowFill: bright green
    {{102, 255, 102}, 10, 1},   // kArrowShine: highlight, 8-bit images only
}};

// The standard 16 VGA colours in the order Windows icons use them.
const std::array<Rgb, 16> kVga = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// ---------------------------------------------------------------------------
// Geometry. Coordinates are whole numbers of 1/16 pixel, so the output is byte-identical
// on every compiler and platform. A shape is a convex region given as half-planes
// a*x + b*y <= c with a, b in {-1, 0, 1}: axis-aligned and 45-degree edges are all the
// artwork needs, and they keep every test exact.

constexpr int kSub = 16;  // units per pixel

struct HalfPlane {
    int a, b;
    long long c;
};

struct Shape {
    Ink ink;
    std::vector<HalfPlane> planes;
};

bool contains(const Shape& s, long long x, long long y) {
    for (const HalfPlane& p : s.planes)
        if (p.a * x + p.b * y > p.c) return false;
    return true;
}

// round(d * sqrt(2)) without floating point, so diagonal insets are reproducible.
long long diagonalLength(long long d) {
    long long k = 0;
    while ((k + 1) * (k + 1) <= 2 * d * d) ++k;
    // Pick k or k+1, whichever is nearer: compare (k + 0.5)^2 with 2*d^2.
    return (2 * k + 1) * (2 * k + 1) <= 8 * d * d ? k + 1 : k;
}

// Moves every edge inwards by d units; used to draw an outline as a dark shape
// with a lighter copy of itself laid on top.
Shape inset(const Shape& s, long long d, Ink ink) {
    Shape out{ink, s.planes};
    for (HalfPlane& p : out.planes)
        p.c -= (p.a != 0 && p.b != 0) ? diagonalLength(d) : d;
    return out;
}

Shape rect(Ink ink, long long x0, long long y0, long long x1, long long y1) {
    return {ink, {{-1, 0, -x0}, {1, 0, x1}, {0, -1, -y0}, {0, 1, y1}}};
}

// ---------------------------------------------------------------------------
// The artwork. It is laid out on a 16-cell grid scaled to the image size, with a
// few whole-pixel corrections so that the 16x16 image lands exactly on pixels.

struct Art {
    std::vector<Shape> shapes;  // painted in order, later ones on top
};

struct Grid {
    int size;      // image width and height in pixels
    int cell;      // pixels per grid cell
    long long px;  // units per pixel
    long long at(int cells) const { return static_cast<long long>(cells) * cell * px; }
};

// Outline thickness grows with the image so large sizes do not look spidery.
long long outlineWidth(const Grid& g) { return (g.size >= 64 ? 2 : 1) * g.px; }

// A tall sheet with its top-right corner turned down.
void addPaper(Art& art, const Grid& g) {
    const long long x0 = g.at(1), x1 = g.at(11), y0 = 0, y1 = g.at(15);
    const long long w = outlineWidth(g);
    // One pixel more than four cells leaves room for a grey flap inside its outline at
    // 16x16; the fold line runs half a pixel off the pixel centres so it draws as a clean
    // one-pixel staircase instead of dithering between two.
    const long long fold = g.at(4) + g.px;
    const long long foldLine = x1 - fold - y0 + g.px / 2;  // points with x - y <= this are on the sheet

    Shape sheet = rect(kOutline, x0, y0, x1, y1);
    sheet.planes.push_back({1, -1, foldLine});
    art.shapes.push_back(sheet);
    art.shapes.push_back(inset(sheet, w, kPaper));

    // The flap lies on the sheet, the cut corner mirrored across the fold line.
    Shape flap{kOutline, {{-1, 0, -(x1 - fold)}, {0, 1, y0 + fold}, {1, -1, foldLine}}};
    art.shapes.push_back(flap);
    art.shapes.push_back(inset(flap, w, kFold));
}

// The text lines: the result of dropping files. Each ends clear of the fold and the arrow.
void addTextLines(Art& art, const Grid& g) {
    struct Line {
        int row, endCell;
    };
    const Line lines[] = {{3, 5}, {5, 9}, {7, 8}, {9, 8}, {11, 5}};
    // One pixel thick on the small grids, leaving a clear gap between lines when larger.
    const long long thickness = (g.cell <= 2 ? g.cell : g.cell - 1) * g.px;
    for (const Line& line : lines) {
        const long long top = g.at(line.row);
        art.shapes.push_back(rect(kText, g.at(3), top, g.at(line.endCell), top + thickness));
    }
}

// The outer outline of the down-arrow, as two convex parts: the shaft and the head.
struct ArrowParts {
    Shape shaft, head;
};

ArrowParts arrowOutline(const Grid& g) {
    const long long cx = g.at(11), shaftHalf = g.at(2), headHalf = g.at(5);
    const long long top = g.at(7), headTop = g.at(11);
    // The tip sits half a pixel below the image so the last row is two pixels wide, not a
    // blurry point; the head's flanks run at 45 degrees from the tip to its shoulders.
    const long long tip = g.at(16) + g.px / 2;

    ArrowParts a;
    a.shaft = rect(kArrowEdge, cx - shaftHalf, top, cx + shaftHalf, headTop + 1);
    a.head = rect(kArrowEdge, cx - headHalf, headTop, cx + headHalf, tip);
    a.head.planes.push_back({1, 1, cx + tip});    // right flank: x - cx <= tip - y
    a.head.planes.push_back({-1, 1, tip - cx});   // left flank:  cx - x <= tip - y
    return a;
}

void addArrow(Art& art, const Grid& g, bool shine) {
    const long long w = outlineWidth(g);
    const ArrowParts outer = arrowOutline(g);
    art.shapes.push_back(outer.shaft);
    art.shapes.push_back(outer.head);

    // The inner shaft runs on into the inner head so no outline shows where they join.
    const Shape head = inset(outer.head, w, kArrowFill);
    Shape shaft = inset(outer.shaft, w, kArrowFill);
    shaft.planes[3].c = -head.planes[2].c;  // down to the head's inner top edge
    art.shapes.push_back(shaft);
    art.shapes.push_back(head);

    if (!shine) return;
    // A light left half gives the arrow some volume on the larger images.
    const long long cx = g.at(11);
    for (Shape part : {shaft, head}) {
        part.ink = kArrowShine;
        part.planes.push_back({1, 0, cx});
        art.shapes.push_back(part);
    }
}

// The highlight needs in-between greens, so only the 8-bit (anti-aliased) images get it.
Art drawArt(int size, bool antiAliased) {
    const Grid g{size, size / 16, kSub};
    Art art;
    addPaper(art, g);
    addTextLines(art, g);
    addArrow(art, g, antiAliased);
    return art;
}

// ---------------------------------------------------------------------------
// Rasterising. Each pixel is sampled on an 8x8 grid; a sample takes the ink of the
// topmost shape holding it.

struct Pixel {
    bool opaque;
    Rgb rgb;  // 8-bit rendering
    Ink ink;  // 1-bit and 4-bit rendering
};

using Image = std::vector<Pixel>;  // row-major, top row first

constexpr int kSamples = 8;

Ink inkAt(const Art& art, long long x, long long y) {
    for (auto it = art.shapes.rbegin(); it != art.shapes.rend(); ++it)
        if (contains(*it, x, y)) return it->ink;
    return kNone;
}

// The ink of one pixel's samples, counted per ink.
std::array<int, kInkCount> tallyPixel(const Art& art, int px, int py) {
    std::array<int, kInkCount> tally{};
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
            // Sample centres at odd multiples of 1/16 pixel: never exactly on a grid edge.
            const long long x = px * kSub + (2 * sx + 1) * kSub / (2 * kSamples);
            const long long y = py * kSub + (2 * sy + 1) * kSub / (2 * kSamples);
            ++tally[inkAt(art, x, y)];
        }
    return tally;
}

// Hard-edged pixel for palettes too small to blend in: the ink covering most of it.
Ink dominantInk(const std::array<int, kInkCount>& tally) {
    int best = kNone;
    for (int i = 1; i < kInkCount; ++i)
        if (tally[i] > tally[best]) best = i;
    return static_cast<Ink>(best);
}

// Anti-aliased colour: the average of the covered samples. The mask is 1-bit, so a
// pixel is opaque when at least half of it is covered.
Pixel blendedPixel(const std::array<int, kInkCount>& tally) {
    const int covered = kSamples * kSamples - tally[kNone];
    Pixel p{2 * covered >= kSamples * kSamples, {0, 0, 0}, kNone};
    if (!p.opaque) return p;
    int r = 0, g = 0, b = 0;
    for (int i = 1; i < kInkCount; ++i) {
        r += tally[i] * kInks[i].rgb.r;
        g += tally[i] * kInks[i].rgb.g;
        b += tally[i] * kInks[i].rgb.b;
    }
    p.rgb = {(r + covered / 2) / covered, (g + covered / 2) / covered, (b + covered / 2) / covered};
    return p;
}

Image render(int size, bool antiAliased) {
    const Art art = drawArt(size, antiAliased);
    Image img;
    img.reserve(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const auto tally = tallyPixel(art, x, y);
            if (antiAliased) {
                img.push_back(blendedPixel(tally));
            } else {
                const Ink ink = dominantInk(tally);
                img.push_back({ink != kNone, kInks[ink].rgb, ink});
            }
        }
    return img;
}

// ---------------------------------------------------------------------------
// Palettes and colour matching.

using Palette = std::vector<Rgb>;

Palette monoPalette() { return {{0, 0, 0}, {255, 255, 255}}; }

Palette vgaPalette() { return Palette(kVga.begin(), kVga.end()); }

// A 6x6x6 colour cube plus 40 extra greys between the cube's six, so the paper, outline
// and their blends are matched closely.
Palette palette256() {
    Palette p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p.push_back({r * 51, g * 51, b * 51});
    for (int i = 1; p.size() < 256; ++i) {
        const int v = i * 255 / 41;
        p.push_back({v, v, v});
    }
    return p;
}

// Nearest entry by weighted distance (green counts most, as the eye sees it); ties go
// to the lowest index so the result never depends on anything but the input.
int nearest(const Palette& pal, const Rgb& c) {
    int best = 0;
    long long bestDist = -1;
    for (size_t i = 0; i < pal.size(); ++i) {
        const long long dr = c.r - pal[i].r, dg = c.g - pal[i].g, db = c.b - pal[i].b;
        const long long dist = 3 * dr * dr + 6 * dg * dg + 1 * db * db;
        if (bestDist < 0 || dist < bestDist) {
            bestDist = dist;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// ---------------------------------------------------------------------------
// Encoding one image as a DIB: header, palette, XOR bitmap, AND mask.

struct IconImage {
    int size;
    int bits;
    std::vector<uint8_t> dib;
};

class Bytes {
public:
    // Little-endian, as every field of the ICO and DIB formats is.
    void u8(uint32_t v) { data_.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) { u8(v & 0xFF); u8(v >> 8); }
    void u32(uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void append(const std::vector<uint8_t>& more) { data_.insert(data_.end(), more.begin(), more.end()); }
    std::vector<uint8_t>& data() { return data_; }

private:
    std::vector<uint8_t> data_;
};

int rowStride(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// Packs one row of palette indices (or mask bits) MSB-first, padded to 4 bytes.
void packRow(Bytes& out, const std::vector<int>& indices, int bits) {
    std::vector<uint8_t> row(rowStride(static_cast<int>(indices.size()), bits), 0);
    for (size_t x = 0; x < indices.size(); ++x) {
        const size_t bit = x * bits;
        row[bit / 8] |= static_cast<uint8_t>(indices[x] << (8 - bits - bit % 8));
    }
    out.append(row);
}

// Palette index of every pixel; transparent pixels get index 0 (black), as the AND
// mask leaves the screen untouched only when the XOR colour is black.
std::vector<int> paletteIndices(const Image& img, int bits, const Palette& pal) {
    std::vector<int> out;
    for (const Pixel& p : img) {
        if (!p.opaque) out.push_back(0);
        else if (bits == 1) out.push_back(kInks[p.ink].mono);
        else if (bits == 4) out.push_back(kInks[p.ink].vga);
        else out.push_back(nearest(pal, p.rgb));
    }
    return out;
}

void writeInfoHeader(Bytes& out, int size, int bits, uint32_t imageBytes) {
    out.u32(40);          // biSize
    out.u32(size);        // biWidth
    out.u32(2 * size);    // biHeight: XOR bitmap and AND mask stacked
    out.u16(1);           // biPlanes
    out.u16(bits);        // biBitCount
    out.u32(0);           // biCompression: BI_RGB
    out.u32(imageBytes);  // biSizeImage
    out.u32(0);           // biXPelsPerMeter
    out.u32(0);           // biYPelsPerMeter
    out.u32(0);           // biClrUsed: the full 2^bits palette follows
    out.u32(0);           // biClrImportant
}

IconImage encode(int size, int bits) {
    const Image img = render(size, bits == 8);
    const Palette pal = bits == 1 ? monoPalette() : bits == 4 ? vgaPalette() : palette256();
    const std::vector<int> indices = paletteIndices(img, bits, pal);

    Bytes out;
    const auto imageBytes = static_cast<uint32_t>((rowStride(size, bits) + rowStride(size, 1)) * size);
    writeInfoHeader(out, size, bits, imageBytes);
    for (const Rgb& c : pal) {
        out.u8(c.b); out.u8(c.g); out.u8(c.r); out.u8(0);  // RGBQUAD
    }
    // DIB rows run bottom-up.
    for (int y = size - 1; y >= 0; --y)
        packRow(out, std::vector<int>(indices.begin() + y * size, indices.begin() + (y + 1) * size), bits);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<int> mask;
        for (int x = 0; x < size; ++x) mask.push_back(img[y * size + x].opaque ? 0 : 1);
        packRow(out, mask, 1);
    }
    return {size, bits, out.data()};
}

// ---------------------------------------------------------------------------
// The .ico container: ICONDIR, one ICONDIRENTRY per image, then the images.

std::vector<uint8_t> buildIco(const std::vector<IconImage>& images) {
    Bytes out;
    out.u16(0);  // reserved
    out.u16(1);  // type: icon
    out.u16(static_cast<unsigned>(images.size()));
    auto offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (const IconImage& im : images) {
        const auto bytes = static_cast<uint32_t>(im.dib.size());
        out.u8(im.size);                           // bWidth (0 would mean 256)
        out.u8(im.size);                           // bHeight
        out.u8(im.bits >= 8 ? 0 : 1u << im.bits);  // bColorCount: 0 for 256 colours
        out.u8(0);                                 // bReserved
        out.u16(1);                                // wPlanes
        out.u16(im.bits);                          // wBitCount
        out.u32(bytes);                            // dwBytesInRes
        out.u32(offset);                           // dwImageOffset
        offset += bytes;
    }
    for (const IconImage& im : images) out.append(im.dib);
    return out.data();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_icon OUT.ico\n";
        return 2;
    }
    // {size, bits per pixel}, in the order they are stored.
    const std::pair<int, int> formats[] = {{16, 4}, {32, 1}, {32, 4}, {32, 8}, {48, 8}, {64, 4}, {64, 8}};
    std::vector<IconImage> images;
    for (const auto& f : formats) images.push_back(encode(f.first, f.second));
    const std::vector<uint8_t> ico = buildIco(images);

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    if (!file) {
        std::cerr << "make_icon: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
