// Splitting full names into their parts, and the UNIX-slash conversion, for
// single-byte names and for names in code page 932.
#include "core/FileNameParts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Shift-JIS: these lead bytes take any trail byte 0x40-0x7E or 0x80-0xFC,
// among them 0x5C ('\'). 0xA1-0xDF are single-byte katakana.
const LeadBytes kCp932 = LeadBytes::FromRanges({{0x81, 0x9F}, {0xE0, 0xFC}});

struct SplitRow {
    std::string full, drive, dir, name, ext;
};

void ExpectSplits(const SplitRow& row, const LeadBytes& lead) {
    SCOPED_TRACE("full name: " + row.full);
    FileNameParts parts;
    parts.m_szFullName = row.full;
    SplitFullName(parts, lead);
    EXPECT_EQ(parts.m_szDrive, row.drive);
    EXPECT_EQ(parts.m_szDir, row.dir);
    EXPECT_EQ(parts.m_szName, row.name);
    EXPECT_EQ(parts.m_szExt, row.ext);
    EXPECT_EQ(parts.m_szFullName, row.full);
}

TEST(SplitFullName, SingleByteNames) {
    const SplitRow rows[] = {
        {R"(C:\a\b.txt)", "C:", R"(\a\)", "b", ".txt"},
        {R"(\\srv\sh\f)", "", R"(\\srv\sh\)", "f", ""},
        {R"(C:\a.b\c)", "C:", R"(\a.b\)", "c", ""},
        {R"(C:\x\.profile)", "C:", R"(\x\)", "", ".profile"},
        {R"(C:\x\name.)", "C:", R"(\x\)", "name", "."},
        {R"(C:\x\a.tar.gz)", "C:", R"(\x\)", "a.tar", ".gz"},
        {"noext", "", "", "noext", ""},
        {"C:", "C:", "", "", ""},
        {"C:file.txt", "C:", "", "file", ".txt"},
        {"C:/u/v.w", "C:", "/u/", "v", ".w"},
        // A dropped folder is split like a file.
        {R"(C:\Data\Old.stuff)", "C:", R"(\Data\)", "Old", ".stuff"},
        {"", "", "", "", ""},
        {"C", "", "", "C", ""},
        {":x", "", "", ":x", ""},
        {R"(\\srv\sh\)", "", R"(\\srv\sh\)", "", ""},
        {R"(C:\a/b\c.d/e)", "C:", R"(\a/b\c.d/)", "e", ""},
        {"C:..", "C:", "", ".", "."},
        // Only the second byte makes a drive.
        {R"(ab:\x)", "", R"(ab:\)", "x", ""},
        // A trailing separator leaves no base, whatever dots come before it.
        {R"(C:\abc.de\)", "C:", R"(\abc.de\)", "", ""},
        {R"(\\server\share.x\)", "", R"(\\server\share.x\)", "", ""},
    };
    for (const SplitRow& row : rows) ExpectSplits(row, LeadBytes{});
}

TEST(SplitFullName, KeepsLongPartsWhole) {
    // Nothing is cut to the platform's 255-byte part buffers: a cut name in a
    // generated command would name another file.
    const std::string dir = "\\" + std::string(300, 'd') + "\\" + std::string(200, 'e') + "\\";
    const std::string name(400, 'n');
    const std::string ext = "." + std::string(300, 'x');
    ExpectSplits({"C:" + dir + name + ext, "C:", dir, name, ext}, LeadBytes{});
    ExpectSplits({"C:" + dir + name + ext, "C:", dir, name, ext}, kCp932);
}

TEST(SplitFullName, DoubleByteCharactersInCodePage932) {
    const SplitRow rows[] = {
        // 0x95 0x5C is one character; its trail byte is not a separator.
        {"C:\\\x95\x5C\\x.txt", "C:", "\\\x95\x5C\\", "x", ".txt"},
        {"C:\\d\\\x95\x5C", "C:", "\\d\\", "\x95\x5C", ""},
        {"C:\\d\\\x83\x5C.txt", "C:", "\\d\\", "\x83\x5C", ".txt"},
        // 0x81 0x81 is a character, so the 0x5C after it is a separator:
        // pairs can only be found from the start of the name.
        {"C:\\\x81\x81\\x", "C:", "\\\x81\x81\\", "x", ""},
        {"C:\\a.b\\\x95\x5C", "C:", "\\a.b\\", "\x95\x5C", ""},
        // No valid trail byte is '.' or '/', but a lead byte takes the byte
        // after it whatever that is.
        {"C:\\x\\a\x81.txt", "C:", "\\x\\", "a\x81.txt", ""},
        {"C:\\x\x81/y", "C:", "\\", "x\x81/y", ""},
        // A lead byte at the very end stands alone.
        {"C:\\d\\ab\x81", "C:", "\\d\\", "ab\x81", ""},
        {"C:\\d\\a.b\x81", "C:", "\\d\\", "a", ".b\x81"},
        {"\x81", "", "", "\x81", ""},
        // Half-width katakana are single bytes.
        {"C:\\\xB1\xB2\\\xB3.\xB4", "C:", "\\\xB1\xB2\\", "\xB3", ".\xB4"},
    };
    for (const SplitRow& row : rows) ExpectSplits(row, kCp932);
}

TEST(SplitFullName, WithoutLeadBytesEveryByteStandsAlone) {
    ExpectSplits({"C:\\d\\\x95\x5C", "C:", "\\d\\\x95\\", "", ""}, LeadBytes{});
}

TEST(SplitFullName, OverwritesThePartsOfThePreviousName) {
    FileNameParts parts;
    parts.m_szFullName = R"(C:\long\directory\name.ext)";
    SplitFullName(parts, LeadBytes{});
    parts.m_szFullName = "x";
    SplitFullName(parts, LeadBytes{});
    EXPECT_EQ(parts.m_szDrive + "|" + parts.m_szDir + "|" + parts.m_szName + "|" + parts.m_szExt, "||x|");
}

struct SlashRow {
    std::string in, expected;
};

void ExpectSlashes(const SlashRow& row, const LeadBytes& lead) {
    SCOPED_TRACE("text: " + row.in);
    std::string text = row.in;
    ToUnixSlashes(text, lead);
    EXPECT_EQ(text, row.expected);
}

TEST(ToUnixSlashes, SingleByteText) {
    const SlashRow rows[] = {
        {R"(C:\a\b.txt)", "C:/a/b.txt"},
        {R"(\\srv\sh\f)", "//srv/sh/f"},
        {"C:/already/b", "C:/already/b"},
        {"", ""},
        {"\\", "/"},
        // Without lead bytes 0x5C is always '\'.
        {"\x95\x5C", "\x95/"},
    };
    for (const SlashRow& row : rows) ExpectSlashes(row, LeadBytes{});
}

TEST(ToUnixSlashes, LeavesTrailBytesOfCodePage932Alone) {
    const SlashRow rows[] = {
        {"C:\\\x95\x5C\\x", "C:/\x95\x5C/x"},
        {"\x81\x81\\", "\x81\x81/"},
        {"\\\x81", "/\x81"},
        {"\xB1\\", "\xB1/"},
        {R"(C:\a\b.txt)", "C:/a/b.txt"},
    };
    for (const SlashRow& row : rows) ExpectSlashes(row, kCp932);
}

}  // namespace
