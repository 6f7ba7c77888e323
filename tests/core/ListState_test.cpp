// The list across drops: defaults, counting, Clear, the template read once
// per drop, and when slashes are converted.
#include "core/ListState.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>

namespace {

void DropFiles(ListState& list, std::initializer_list<std::string> names) {
    ListState::Drop drop(list, LeadBytes{});
    for (const std::string& name : names) drop.AddFile(name);
}

TEST(ListState, StartsWithTheDefaults) {
    const ListState list;
    EXPECT_EQ(list.m_strOutput, "");
    EXPECT_EQ(list.m_strFormat, R"(%f\r\n)");
    EXPECT_EQ(list.m_bUnixSlashes, FALSE);
    EXPECT_EQ(list.m_bAlwaysOnTop, TRUE);
    EXPECT_EQ(list.m_nFileCount, 0);
}

TEST(ListState, DropListsEveryFileInOrder) {
    ListState list;
    DropFiles(list, {R"(C:\a.txt)", R"(C:\b.txt)", R"(C:\a.txt)"});
    EXPECT_EQ(list.m_strOutput, "C:\\a.txt\r\nC:\\b.txt\r\nC:\\a.txt\r\n");
    EXPECT_EQ(list.m_nFileCount, 3);
}

TEST(ListState, CountRunsAcrossDropsAndRestartsAfterClear) {
    ListState list;
    list.m_strFormat = R"(%2c %n\r\n)";
    list.m_bUnixSlashes = TRUE;
    list.m_bAlwaysOnTop = FALSE;
    DropFiles(list, {"a.txt", "b.txt"});
    DropFiles(list, {"c.txt"});
    EXPECT_EQ(list.m_strOutput, "01 a\r\n02 b\r\n03 c\r\n");

    list.Clear();
    EXPECT_EQ(list.m_strOutput, "");
    EXPECT_EQ(list.m_nFileCount, 0);
    EXPECT_EQ(list.m_strFormat, R"(%2c %n\r\n)");
    EXPECT_EQ(list.m_bUnixSlashes, TRUE);
    EXPECT_EQ(list.m_bAlwaysOnTop, FALSE);

    DropFiles(list, {"d.txt"});
    EXPECT_EQ(list.m_strOutput, "01 d\r\n");
}

TEST(ListState, TypedOutputStaysAheadOfNewLines) {
    ListState list;
    list.m_strOutput = "typed by hand";
    DropFiles(list, {R"(C:\a.txt)"});
    EXPECT_EQ(list.m_strOutput, "typed by handC:\\a.txt\r\n");
}

TEST(ListState, TemplateChangesAffectOnlyLaterDrops) {
    ListState list;
    list.m_strFormat = "%n;";
    DropFiles(list, {"a.txt"});
    list.m_strFormat = "[%e]";
    DropFiles(list, {"b.txt"});
    EXPECT_EQ(list.m_strOutput, "a;[.txt]");
}

TEST(ListState, DropReadsTheTemplateOnce) {
    ListState list;
    list.m_strFormat = "%n;";
    ListState::Drop drop(list, LeadBytes{});
    drop.AddFile("a.txt");
    list.m_strFormat = "changed";
    drop.AddFile("b.txt");
    EXPECT_EQ(list.m_strOutput, "a;b;");
}

TEST(ListState, EmptyTemplateStillCounts) {
    ListState list;
    list.m_strFormat = "";
    DropFiles(list, {"a", "b", "c"});
    EXPECT_EQ(list.m_strOutput, "");
    list.m_strFormat = "%c";
    DropFiles(list, {"d"});
    EXPECT_EQ(list.m_strOutput, "4");
}

TEST(ListState, SlashesConvertOnlyWhenTheOptionIsExactlyOne) {
    const struct {
        BOOL option;
        std::string expected;
    } rows[] = {
        {0, R"(C:\a\b.txt|C:|\a\|b|.txt|C:\a\)"},
        {1, R"(C:/a/b.txt|C:|/a/|b|.txt|C:/a/)"},
        {2, R"(C:\a\b.txt|C:|\a\|b|.txt|C:\a\)"},
        {-1, R"(C:\a\b.txt|C:|\a\|b|.txt|C:\a\)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("UNIX Slashes = " + std::to_string(row.option));
        ListState list;
        list.m_strFormat = "%f|%d|%p|%n|%e|%d%p";
        list.m_bUnixSlashes = row.option;
        DropFiles(list, {R"(C:\a\b.txt)"});
        EXPECT_EQ(list.m_strOutput, row.expected);
    }
}

TEST(ListState, SlashesKeepTrailBytesOfCodePage932) {
    ListState list;
    list.m_strFormat = "%f|%p";
    list.m_bUnixSlashes = TRUE;
    ListState::Drop drop(list, LeadBytes::FromRanges({{0x81, 0x9F}, {0xE0, 0xFC}}));
    drop.AddFile("C:\\\x95\x5C\\x.txt");
    EXPECT_EQ(list.m_strOutput, "C:/\x95\x5C/x.txt|/\x95\x5C/");
}

TEST(ListState, NeighbouringPartsExpandInTemplateOrder) {
    const struct {
        std::string format;
        BOOL option;
        std::string expected;
    } rows[] = {
        {"%d%p%n%e", 0, R"(C:\a\b.txt)"},
        {"%d%p%n%e", 1, "C:/a/b.txt"},
        {"%p%n", 1, "/a/b"},
        {"%e%n%d", 0, ".txtbC:"},
        {"%n%e%n%e", 0, "b.txtb.txt"},
        {"%p%p", 0, R"(\a\\a\)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("template: " + row.format + ", UNIX Slashes = " + std::to_string(row.option));
        ListState list;
        list.m_strFormat = row.format;
        list.m_bUnixSlashes = row.option;
        DropFiles(list, {R"(C:\a\b.txt)"});
        EXPECT_EQ(list.m_strOutput, row.expected);
    }
}

// Whether or not the template shows the parts, the drop leaves the last
// file's parts behind, split and converted as the option says.
TEST(ListState, LeavesThePartsOfTheLastFile) {
    const struct {
        std::string name;
        BOOL option;
        FileNameParts expected;
    } rows[] = {
        {R"(\\srv\sh\last.doc)", 0, {R"(\\srv\sh\last.doc)", "", R"(\\srv\sh\)", "last", ".doc"}},
        {R"(C:\a\b.txt)", 1, {"C:/a/b.txt", "C:", "/a/", "b", ".txt"}},
        // The drive keeps its bytes as dropped; only the full name and the
        // directory are converted.
        {R"(\:\x\y)", 1, {"/:/x/y", R"(\:)", "/x/", "y", ""}},
    };
    for (const char* format : {"%f", "%n|%p"}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string("template: ") + format + ", name: " + row.name);
            ListState list;
            list.m_strFormat = format;
            list.m_bUnixSlashes = row.option;
            DropFiles(list, {R"(D:\first\one.txt)", row.name});
            EXPECT_EQ(list.m_file.m_szFullName, row.expected.m_szFullName);
            EXPECT_EQ(list.m_file.m_szDrive, row.expected.m_szDrive);
            EXPECT_EQ(list.m_file.m_szDir, row.expected.m_szDir);
            EXPECT_EQ(list.m_file.m_szName, row.expected.m_szName);
            EXPECT_EQ(list.m_file.m_szExt, row.expected.m_szExt);
        }
    }
}

TEST(ListState, EmptyDropKeepsTheEarlierParts) {
    ListState list;
    DropFiles(list, {R"(C:\a\b.txt)"});
    DropFiles(list, {});
    EXPECT_EQ(list.m_file.m_szName, "b");
    EXPECT_EQ(list.m_nFileCount, 1);
}

TEST(ListState, EmptyNameStillCounts) {
    ListState list;
    list.m_strFormat = "[%d%p%n%e|%f|%c]";
    list.m_bUnixSlashes = TRUE;
    ListState::Drop drop(list, LeadBytes{});
    drop.AddFile(std::string_view());
    EXPECT_EQ(list.m_strOutput, "[||1]");
}

TEST(ListState, NamesLongerThanThePathLimitStayWhole) {
    const std::string name = R"(C:\)" + std::string(300, 'd') + R"(\)" + std::string(300, 'n') + ".txt";
    ListState list;
    DropFiles(list, {name});
    EXPECT_EQ(list.m_strOutput, name + "\r\n");
}

TEST(ListState, CountWrapsPastTheLargestValue) {
    ListState list;
    list.m_strFormat = "%c;";
    list.m_nFileCount = INT32_MAX - 1;
    DropFiles(list, {"a", "b", "c"});
    EXPECT_EQ(list.m_strOutput, "2147483647;-2147483648;-2147483647;");
}

}  // namespace
