// Tarnix end to end: the Insert popup puts escapes and placeholders into the template box at
// the caret, through its menu commands and through the real popup worked with keys.
#include <gtest/gtest.h>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

// The popup's commands, in menu order, with the text each inserts.
struct InsertEntry {
    const char* label;
    WORD id;
    std::string text;
};

const InsertEntry kEntries[] = {
    {"WholeFileName", 32779, "%f"},
    {"Drive", 32772, "%d"},
    {"Path", 32773, "%p"},
    {"Name", 32774, "%n"},
    {"Extension", 32775, "%e"},
    {"FileCount", 32780, "%3c"},
    {"CarriageReturn", 32776, "\\r"},
    {"LineFeed", 32777, "\\n"},
    {"Tab", 32778, "\\t"},
    {"Backslash", 32781, "\\\\"},
    {"HtmlPictures", 32782, "<img src=\"%n%e\">"},
    {"HtmlLinks", 32783, "<a href=\"%n%e\">%n%e</a>"},
};

constexpr WORD kWholeFileName = 32779;
constexpr WORD kFileCount = 32780;
constexpr WORD kLineFeed = 32777;
constexpr WORD kTab = 32778;
constexpr WORD kHtmlLinks = 32783;

using Selection = std::pair<DWORD, DWORD>;

// Failure messages name the row rather than dumping its bytes.
void PrintTo(const InsertEntry& row, std::ostream* out)
{
    *out << row.label;
}

class InsertTest : public e2e::TarnixTest {
protected:
    // Puts `text` into the template box with the selection [start, end).
    void PrepareTemplate(const std::string& text, DWORD start, DWORD end)
    {
        ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, text));
        ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, start, end));
    }

    // A popup entry as the menu delivers it: WM_COMMAND with the entry's id and no control.
    void Choose(WORD id)
    {
        ASSERT_TRUE(PostMessageA(m_tarnix.MainWindow(), WM_COMMAND, id, 0));
        ASSERT_TRUE(m_tarnix.Sync());
    }

    // Moves the keyboard focus to a control the way the dialog manager does it (Tab order
    // moves through WM_NEXTDLGCTL too).
    void FocusControl(int id)
    {
        ASSERT_TRUE(PostMessageA(m_tarnix.MainWindow(), WM_NEXTDLGCTL,
                                 reinterpret_cast<WPARAM>(m_tarnix.Control(id)), TRUE));
        ASSERT_TRUE(m_tarnix.Sync());
        ASSERT_EQ(e2e::FocusedWindowOf(m_tarnix.MainWindow()), m_tarnix.Control(id));
    }

};

// Every entry, once at a caret and once over a selection: the text lands there, replaces
// the selection, and the caret ends just after it with nothing selected.
class InsertEntryTest : public InsertTest, public testing::WithParamInterface<InsertEntry> {};

TEST_P(InsertEntryTest, InsertsAtCaretAndOverSelection)
{
    const InsertEntry& entry = GetParam();
    const DWORD length = static_cast<DWORD>(entry.text.size());
    {
        SCOPED_TRACE("caret between a and b, nothing selected");
        PrepareTemplate("ab", 1, 1);
        Choose(entry.id);
        EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "a" + entry.text + "b");
        EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(1 + length, 1 + length));
    }
    {
        SCOPED_TRACE("\"bc\" of \"abcd\" selected");
        PrepareTemplate("abcd", 1, 3);
        Choose(entry.id);
        EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "a" + entry.text + "d");
        EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(1 + length, 1 + length));
    }
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
}

INSTANTIATE_TEST_SUITE_P(Insert, InsertEntryTest, testing::ValuesIn(kEntries),
                         [](const testing::TestParamInfo<InsertEntry>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(InsertTest, TabThenWholeFileNameAtEndOfDefaultTemplate)
{
    ASSERT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\r\\n");
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 6, 6));
    Choose(kTab);
    Choose(kWholeFileName);
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\r\\n\\t%f");
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(10, 10));
}

TEST_F(InsertTest, LineFeedReplacesSelectedLineEnd)
{
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 2, 6));  // the "\r\n" of the default "%f\r\n"
    Choose(kLineFeed);
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\n");
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(4, 4));
}

TEST_F(InsertTest, HtmlLinksIntoEmptyTemplate)
{
    PrepareTemplate("", 0, 0);
    Choose(kHtmlLinks);
    const std::string link = "<a href=\"%n%e\">%n%e</a>";
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), link);
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(link.size(), link.size()));
}

TEST_F(InsertTest, FileCountExpandsToThreeDigits)
{
    PrepareTemplate("", 0, 0);
    Choose(kFileCount);
    ASSERT_EQ(m_tarnix.Text(IDC_FORMAT), "%3c");
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\a.txt", "C:\\b.txt"}));
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "001002");
}

TEST_F(InsertTest, FocusMovesToTemplateBoxFromOutputBox)
{
    FocusControl(IDC_OUTPUT);
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 0, 0));
    Choose(kTab);
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "\\t%f\\r\\n");
    EXPECT_EQ(e2e::FocusedWindowOf(m_tarnix.MainWindow()), m_tarnix.Control(IDC_FORMAT));
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(2, 2));
}

// The real popup: opened by the button, found as the system's popup-menu window, worked
// with the keys a user would press.
class InsertPopupTest : public InsertTest {
protected:
    // Clicks "Insert special..." (posted: the popup runs its own modal loop) and returns the
    // popup's window once it shows.
    HWND OpenPopup()
    {
        if (!m_tarnix.Click(IDC_INSERT_SPECIAL))
            return nullptr;
        return e2e::WaitForProcessWindow(m_tarnix.Pid(), "#32768");
    }

    // A key pressed in the popup. Enter and Escape close it on the key-down, so its window
    // may be gone before the key-up can be posted: only the key-down must arrive.
    static bool PressKey(HWND popup, WORD key)
    {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
        if (!PostMessageA(popup, WM_KEYDOWN, key, scan | 1))
            return false;
        PostMessageA(popup, WM_KEYUP, key, scan | 1 | LPARAM{1} << 30 | LPARAM{1} << 31);
        return true;
    }
};

TEST_F(InsertPopupTest, OpensUnderButtonAndInsertsChosenEntry)
{
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 2, 2));
    HWND popup = OpenPopup();
    ASSERT_NE(popup, nullptr);

    RECT button{}, menu{};
    ASSERT_TRUE(GetWindowRect(m_tarnix.Control(IDC_INSERT_SPECIAL), &button));
    ASSERT_TRUE(GetWindowRect(popup, &menu));
    EXPECT_EQ(menu.left, button.left);
    EXPECT_EQ(menu.top, button.bottom);

    // Down from no selection reaches the first entry; the separator is skipped, so eight
    // downs land on "Line feed", the second entry after it.
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(PressKey(popup, VK_DOWN));
    ASSERT_TRUE(PressKey(popup, VK_RETURN));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(popup) || !IsWindow(popup); }));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\n\\r\\n");
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(4, 4));
    EXPECT_EQ(e2e::FocusedWindowOf(m_tarnix.MainWindow()), m_tarnix.Control(IDC_FORMAT));
}

TEST_F(InsertPopupTest, EscapeClosesWithoutChange)
{
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 1, 3));
    HWND popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(PressKey(popup, VK_DOWN));
    ASSERT_TRUE(PressKey(popup, VK_ESCAPE));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(popup) || !IsWindow(popup); }));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\r\\n");
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), Selection(1, 3));
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
    // The popup took the Escape: the dialog did not see it and close.
    EXPECT_TRUE(m_tarnix.IsRunning());
}

} // namespace
