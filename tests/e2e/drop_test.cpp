// Tarnix end to end: drops from outside, the list they build across drops and Clear, and the
// clipboard copy. Registered twice: e2e_drop in code page 1252 and e2e_drop_cp932 in code
// page 932 (Japanese); rows that need one code page skip in the other.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

// A full name far beyond the old 260-byte limit, in parts; every part stays under 256 bytes,
// as in a real file system.
const std::string kLongDir = "\\" + std::string(200, 'd') + "\\";
const std::string kLongName = std::string(200, 'n');
const std::string kLongFull = "C:" + kLongDir + kLongName + ".txt";
const std::wstring kLongFullWide(kLongFull.begin(), kLongFull.end());

class DropTest : public e2e::TarnixTest {
protected:
    // Ticks "UNIX Slashes" with a click, as the user would.
    void TickUnixSlashes()
    {
        ASSERT_TRUE(m_tarnix.Click(IDC_UNIX_SLASHES));
        ASSERT_TRUE(m_tarnix.Sync());
        ASSERT_EQ(m_tarnix.Check(IDC_UNIX_SLASHES), 1);
    }

    // Types `text` at the end of the output box; "\n" in it is the Enter key.
    void TypeAtEndOfOutput(const std::string& text)
    {
        const DWORD end = static_cast<DWORD>(m_tarnix.Text(IDC_OUTPUT).value_or("").size());
        ASSERT_TRUE(m_tarnix.Select(IDC_OUTPUT, end, end));
        for (char c : text) {
            const bool posted = c == '\n' ? m_tarnix.PostKey(IDC_OUTPUT, VK_RETURN)
                                           : e2e::PostChars(m_tarnix.Control(IDC_OUTPUT), {c});
            ASSERT_TRUE(posted);
        }
        // Typing sets the output box's modify flag, which Sync's default marker uses.
        ASSERT_TRUE(m_tarnix.Sync(IDC_FORMAT));
    }

    // Drops `names` and checks that the output box and the clipboard both hold `expected`.
    void DropAndExpect(const std::vector<std::string>& names, const std::string& expected)
    {
        ASSERT_TRUE(m_tarnix.DropFiles(names));
        EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), expected);
        EXPECT_EQ(e2e::ReadClipboardText(), expected);
    }

};

// The code page run-under-wine.sh was asked for (the CMake registration says which):
// without this, a locale that Wine did not take would silently skip the code page 932 rows.
TEST(CodePage, IsTheOneTheRegistrationAskedFor)
{
    const char* expected = std::getenv("TARNIX_E2E_EXPECT_ACP");
    if (expected == nullptr)
        GTEST_SKIP() << "no code page asked for";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

// One drop on a freshly started program.
struct DropCase {
    const char* name;
    const char* format;               // typed into the template box; nullptr keeps `%f\r\n`
    bool unixSlashes;
    std::vector<std::string> names;   // ANSI names (fWide FALSE) ...
    std::vector<std::wstring> wide;   // ... or, when not empty, UTF-16 names (fWide TRUE)
    std::string expected;             // output box and clipboard afterwards
    UINT codePage = 0;                // the ANSI code page the row needs; 0: any
};

void PrintTo(const DropCase& row, std::ostream* os) { *os << row.name; }

const DropCase kDropCases[] = {
    {"SeveralFilesInTheDropsOrderDuplicatesKept", nullptr, false,
     {"C:\\z.txt", "C:\\a.txt", "D:\\m\\a.txt", "C:\\z.txt"}, {},
     "C:\\z.txt\r\nC:\\a.txt\r\nD:\\m\\a.txt\r\nC:\\z.txt\r\n"},
    {"UnixSlashesInFullNameAndDirectory", "%f|%p|%d|%n%e", true, {"C:\\a\\b.txt"}, {},
     "C:/a/b.txt|/a/|C:|b.txt"},
    {"FolderIsListedLikeAFile", "%f|%d|%p|%n|%e\\r\\n", false, {"C:\\windows\\system32"}, {},
     "C:\\windows\\system32|C:|\\windows\\|system32|\r\n"},
    // regression: names were once fetched into 260 bytes and arrived cut.
    {"NameLongerThan259BytesArrivesWhole", "%f|%d|%p|%n|%e\\r\\n", false, {kLongFull}, {},
     kLongFull + "|C:|" + kLongDir + "|" + kLongName + "|.txt\r\n"},
    {"WideNameLongerThan259BytesArrivesWhole", "%f\\r\\n", false, {}, {kLongFullWide},
     kLongFull + "\r\n"},
    // A wide drop converts as DragQueryFileA does: unmappable characters become '?'.
    {"WideNamesInCodePage1252", nullptr, false, {},
     {L"C:\\caf\u00e9.txt", L"C:\\x\u4e00y.txt"}, "C:\\caf\xE9.txt\r\nC:\\x?y.txt\r\n", 1252},
    // Shift-JIS 0x95 0x5C and 0x83 0x5C: double-byte characters whose trail byte is '\'.
    {"Cp932TrailByte5CKeptWithUnixSlashes", "%f|%d|%p|%n|%e\\r\\n", true,
     {"C:\\\x95\x5C\\\x83\x5C.txt"}, {},
     "C:/\x95\x5C/\x83\x5C.txt|C:|/\x95\x5C/|\x83\x5C|.txt\r\n", 932},
    {"Cp932WideTrailByte5CKeptWithUnixSlashes", "%f|%p|%n\\r\\n", true, {},
     {L"C:\\\u8868\\\u30BD.txt"}, "C:/\x95\x5C/\x83\x5C.txt|/\x95\x5C/|\x83\x5C\r\n", 932},
    {"Cp932TrailByte5CIsNoSeparator", "%d|%p|%n|%e\\r\\n", false,
     {"C:\\\x95\x5C\\\x83\x5C.txt"}, {}, "C:|\\\x95\x5C\\|\x83\x5C|.txt\r\n", 932},
};

class DropCaseTest : public DropTest, public testing::WithParamInterface<DropCase> {};

TEST_P(DropCaseTest, ExpandsIntoOutputAndClipboard)
{
    const DropCase& row = GetParam();
    if (row.codePage != 0 && GetACP() != row.codePage)
        GTEST_SKIP() << "needs code page " << row.codePage << ", running in " << GetACP();
    if (row.format != nullptr) {
        ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, row.format));
    }
    if (row.unixSlashes) {
        ASSERT_NO_FATAL_FAILURE(TickUnixSlashes());
    }
    ASSERT_TRUE(row.wide.empty() ? m_tarnix.DropFiles(row.names)
                                 : m_tarnix.DropFilesWide(row.wide));
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), row.expected);
    EXPECT_EQ(e2e::ReadClipboardText(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Drop, DropCaseTest, testing::ValuesIn(kDropCases),
                         [](const testing::TestParamInfo<DropCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DropTest, CountRunsOnAcrossDropsAndRestartsAfterClear)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, "%2c %n\\r\\n"));
    // The clipboard holds the whole output after every drop, earlier drops included.
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\a.txt", "C:\\b.txt"}, "01 a\r\n02 b\r\n"));
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\c.txt"}, "01 a\r\n02 b\r\n03 c\r\n"));
    ASSERT_TRUE(m_tarnix.Click(IDC_CLEAR));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\d.txt"}, "01 d\r\n"));
}

TEST_F(DropTest, ClearKeepsTemplateOptionsAndClipboard)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, "<%n>"));
    ASSERT_NO_FATAL_FAILURE(TickUnixSlashes());
    ASSERT_TRUE(m_tarnix.Click(IDC_ALWAYS_ON_TOP));
    ASSERT_TRUE(m_tarnix.Sync());
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\a.txt"}, "<a>"));
    const DWORD clipboard = e2e::ClipboardSequence();

    ASSERT_TRUE(m_tarnix.Click(IDC_CLEAR));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "<%n>");
    EXPECT_EQ(m_tarnix.Check(IDC_UNIX_SLASHES), 1);
    EXPECT_EQ(m_tarnix.Check(IDC_ALWAYS_ON_TOP), 0);
    EXPECT_FALSE(m_tarnix.IsTopmost());
    EXPECT_EQ(e2e::ClipboardSequence(), clipboard);
    EXPECT_EQ(e2e::ReadClipboardText(), "<a>");
}

TEST_F(DropTest, HandTypedTextStaysAndNewLinesFollowIt)
{
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\a.txt"}, "C:\\a.txt\r\n"));
    ASSERT_NO_FATAL_FAILURE(TypeAtEndOfOutput("-- by hand --\n"));
    ASSERT_NO_FATAL_FAILURE(
        DropAndExpect({"C:\\b.txt"}, "C:\\a.txt\r\n-- by hand --\r\nC:\\b.txt\r\n"));
}

TEST_F(DropTest, TemplateChangeBetweenDropsLeavesEarlierLines)
{
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\a.txt"}, "C:\\a.txt\r\n"));
    ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, "<%n%e>\\r\\n"));
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\b.txt"}, "C:\\a.txt\r\n<b.txt>\r\n"));
}

TEST_F(DropTest, CopyRightAfterStartPutsAnEmptyText)
{
    ASSERT_TRUE(e2e::WriteClipboardText("before"));
    const DWORD before = e2e::ClipboardSequence();
    ASSERT_TRUE(m_tarnix.Click(IDC_COPY));
    ASSERT_TRUE(e2e::WaitForClipboardChange(before));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(e2e::ReadClipboardText(), "");
}

TEST_F(DropTest, CopyIncludesHandEdits)
{
    ASSERT_NO_FATAL_FAILURE(DropAndExpect({"C:\\a.txt"}, "C:\\a.txt\r\n"));
    ASSERT_NO_FATAL_FAILURE(TypeAtEndOfOutput("edited"));
    const DWORD before = e2e::ClipboardSequence();
    ASSERT_TRUE(m_tarnix.Click(IDC_COPY));
    ASSERT_TRUE(e2e::WaitForClipboardChange(before));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(e2e::ReadClipboardText(), "C:\\a.txt\r\nedited");
}

} // namespace
