// Splits a full name into drive, directory, name and extension, and turns
// backslashes into slashes; both read a double-byte character as one unit.
#include "core/FileNameParts.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Eight bytes as one word, first byte lowest, whatever the machine's byte
// order; compilers turn this into a single load.
uint64_t LoadWord(const char* p) {
    unsigned char b[8];
    std::memcpy(b, p, sizeof b);
    return uint64_t{b[0]} | uint64_t{b[1]} << 8 | uint64_t{b[2]} << 16 | uint64_t{b[3]} << 24 |
           uint64_t{b[4]} << 32 | uint64_t{b[5]} << 40 | uint64_t{b[6]} << 48 | uint64_t{b[7]} << 56;
}

// Eight bytes at a time: nearly every name is plain ASCII, and this test is
// what lets such a name skip the character-by-character walk.
bool HasHighByte(std::string_view text) {
    const char* p = text.data();
    const size_t n = text.size();
    uint64_t bits = 0;
    if (n >= 8) {
        for (size_t i = 0; i + 8 <= n; i += 8) bits |= LoadWord(p + i);
        bits |= LoadWord(p + n - 8);  // the last few bytes, overlapping the loop's
    } else {
        for (size_t i = 0; i < n; ++i) bits |= static_cast<unsigned char>(p[i]);
    }
    return (bits & 0x8080808080808080ull) != 0;
}

// True when no byte of text can open a double-byte character, so every byte
// stands for itself and the text may be searched from either end.
bool IsSingleByte(std::string_view text, const LeadBytes& lead) {
    return !lead.Any() || (!lead.AnyAscii() && !HasHighByte(text));
}

// Where the base name starts (just after the last separator, or 0) and where
// its last dot is (kNone when the base has none).
struct Marks {
    size_t baseStart = 0;
    size_t lastDot = kNone;
};

// 0x80 in every byte of word that equals b, and nothing elsewhere: no carry
// crosses from one byte into the next.
uint64_t BytesEqualTo(uint64_t word, unsigned char b) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t x = word ^ (0x0101010101010101ull * b);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The index of the last byte flagged by BytesEqualTo; flags is not 0.
// Without branches: flag every byte below the last one too, then count them.
size_t LastFlagged(uint64_t flags) {
    flags |= flags >> 8;
    flags |= flags >> 16;
    flags |= flags >> 32;
    const uint64_t ones = (flags >> 7) & 0x0101010101010101ull;
    return static_cast<size_t>((ones * 0x0101010101010101ull) >> 56) - 1;
}

// Byte-wise text only: searches back from the end a word at a time, so the
// directory costs nothing and the base name a few steps.
Marks FindMarksFromEnd(std::string_view rest) {
    Marks marks;
    size_t i = rest.size();
    for (; i >= 8; i -= 8) {
        const uint64_t word = LoadWord(rest.data() + i - 8);
        const uint64_t separators = BytesEqualTo(word, '\\') | BytesEqualTo(word, '/');
        uint64_t dots = BytesEqualTo(word, '.');
        if (separators != 0) {
            const size_t k = LastFlagged(separators);
            dots = k == 7 ? 0 : dots & (~0ull << (8 * k + 8));  // only dots after the separator
            if (dots != 0 && marks.lastDot == kNone) marks.lastDot = i - 8 + LastFlagged(dots);
            marks.baseStart = i - 8 + k + 1;
            return marks;
        }
        if (dots != 0 && marks.lastDot == kNone) marks.lastDot = i - 8 + LastFlagged(dots);
    }
    for (; i > 0 && !IsSeparator(rest[i - 1]); --i)
        if (rest[i - 1] == '.' && marks.lastDot == kNone) marks.lastDot = i - 1;
    marks.baseStart = i;
    return marks;
}

// A trail byte can equal '\' or any lead byte, so only a walk from the start
// knows which bytes are trail bytes. A lead byte at the very end is taken
// alone.
Marks FindMarksFromStart(std::string_view rest, const LeadBytes& lead) {
    Marks marks;
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (lead.IsLead(static_cast<unsigned char>(c))) {
            ++i;
        } else if (IsSeparator(c)) {
            marks.baseStart = i + 1;
            marks.lastDot = kNone;  // a dot in a directory never starts an extension
        } else if (c == '.') {
            marks.lastDot = i;
        }
    }
    return marks;
}

size_t DriveLength(std::string_view full) {
    return full.size() >= 2 && full[1] == ':' ? 2 : 0;
}

}  // namespace

FileNameSplit FindSplit(std::string_view fullName, const LeadBytes& lead) {
    const size_t driveLength = DriveLength(fullName);
    const std::string_view rest = fullName.substr(driveLength);
    const Marks marks = IsSingleByte(rest, lead) ? FindMarksFromEnd(rest) : FindMarksFromStart(rest, lead);
    FileNameSplit split;
    split.driveEnd = driveLength;
    split.dirEnd = driveLength + marks.baseStart;
    split.nameEnd = driveLength + (marks.lastDot == kNone ? rest.size() : marks.lastDot);
    return split;
}

void SplitName(std::string_view fullName, const LeadBytes& lead, FileNameParts& parts) {
    const FileNameSplit split = FindSplit(fullName, lead);
    // assign() reuses each part's buffer once it has grown.
    parts.m_szDrive.assign(fullName.data(), split.driveEnd);
    parts.m_szDir.assign(fullName.data() + split.driveEnd, split.dirEnd - split.driveEnd);
    parts.m_szName.assign(fullName.data() + split.dirEnd, split.nameEnd - split.dirEnd);
    parts.m_szExt.assign(fullName.data() + split.nameEnd, fullName.size() - split.nameEnd);
}

void SplitFullName(FileNameParts& parts, const LeadBytes& lead) {
    SplitName(parts.m_szFullName, lead, parts);
}

void ToUnixSlashes(std::string& text, const LeadBytes& lead) {
    if (IsSingleByte(text, lead)) {
        for (char& c : text)
            if (c == '\\') c = '/';
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (lead.IsLead(static_cast<unsigned char>(text[i])))
            ++i;
        else if (text[i] == '\\')
            text[i] = '/';
    }
}
