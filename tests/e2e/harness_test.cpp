// The harness proving itself against the STUB program (tests/e2e/stub, not Tarnix): every
// driver facility once, so a broken harness shows here and not as a false Tarnix failure.
// Read it as the driver's usage example.
#include <gtest/gtest.h>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

class HarnessTest : public e2e::TarnixTest {};

TEST_F(HarnessTest, ReadsControlsAndWindowState)
{
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\r\\n");
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
    EXPECT_EQ(m_tarnix.Check(IDC_UNIX_SLASHES), 0);
    EXPECT_EQ(m_tarnix.Check(IDC_ALWAYS_ON_TOP), 1);
    EXPECT_TRUE(m_tarnix.IsTopmost());
}

TEST_F(HarnessTest, SetTextRoundTripsBytes)
{
    // Every byte from 1 to 255 (code page 1252's five unassigned ones included), CR LF.
    std::string bytes = "a\r\nb";
    for (int c = 1; c < 256; ++c)
        bytes += static_cast<char>(c);
    bytes += "\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, bytes));
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), bytes);
}

TEST_F(HarnessTest, AnsiDropArrivesInOrderAndOnClipboard)
{
    ASSERT_TRUE(e2e::WriteClipboardText("before"));
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\b.txt", "C:\\a.txt", "C:\\dir\\c"}));
    const std::string expected = "C:\\b.txt\r\nC:\\a.txt\r\nC:\\dir\\c\r\n";
    // DropFiles returns after the program handled the drop: no wait needed.
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), expected);
    EXPECT_EQ(e2e::ReadClipboardText(), expected);
}

TEST_F(HarnessTest, WideDropArrivesInOrderAndOnClipboard)
{
    ASSERT_TRUE(m_tarnix.DropFilesWide({L"C:\\caf\u00e9.txt", L"Z:\\tmp\\x y", L"C:\\z"}));
    // DragQueryFileA converts to the ANSI code page 1252: U+00E9 becomes the byte 0xE9.
    const std::string expected = "C:\\caf\xE9.txt\r\nZ:\\tmp\\x y\r\nC:\\z\r\n";
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), expected);
    EXPECT_EQ(e2e::ReadClipboardText(), expected);
}

TEST_F(HarnessTest, PostedClickThenPollClipboard)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, "typed"));
    const DWORD before = e2e::ClipboardSequence();
    ASSERT_TRUE(m_tarnix.Click(IDC_COPY));
    ASSERT_TRUE(e2e::WaitForClipboardChange(before));
    EXPECT_EQ(e2e::ReadClipboardText(), "typed");
}

TEST_F(HarnessTest, SyncWaitsForPostedClicks)
{
    ASSERT_TRUE(m_tarnix.Click(IDC_ALWAYS_ON_TOP));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Check(IDC_ALWAYS_ON_TOP), 0);
    EXPECT_FALSE(m_tarnix.IsTopmost());
    ASSERT_TRUE(m_tarnix.Click(IDC_ALWAYS_ON_TOP));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_TRUE(m_tarnix.IsTopmost());
}

TEST_F(HarnessTest, ReadsSelection)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, "abcdef"));
    ASSERT_TRUE(m_tarnix.Select(IDC_FORMAT, 2, 5));
    EXPECT_EQ(m_tarnix.Selection(IDC_FORMAT), std::make_pair(DWORD{2}, DWORD{5}));
}

TEST_F(HarnessTest, EnterInMultiLineEditAddsOneLine)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, "ab"));
    ASSERT_TRUE(m_tarnix.Select(IDC_OUTPUT, 2, 2));
    ASSERT_TRUE(m_tarnix.PostKey(IDC_OUTPUT, VK_RETURN));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "ab\r\n");
    EXPECT_TRUE(m_tarnix.IsRunning());
}

TEST_F(HarnessTest, EnterInSingleLineEditClosesDialog)
{
    ASSERT_TRUE(m_tarnix.PostKey(IDC_FORMAT, VK_RETURN));
    ASSERT_TRUE(m_tarnix.WaitForExit());
    EXPECT_EQ(m_tarnix.ExitCode(), 0u);
}

TEST_F(HarnessTest, EscapeClosesDialog)
{
    ASSERT_TRUE(m_tarnix.PostKey(IDC_FORMAT, VK_ESCAPE));
    EXPECT_TRUE(m_tarnix.WaitForExit());
}

TEST_F(HarnessTest, F1BecomesHelpRequest)
{
    ASSERT_TRUE(m_tarnix.PostKey(IDC_FORMAT, VK_F1));
    EXPECT_TRUE(m_tarnix.WaitForText(IDC_OUTPUT, "help\r\n"));
}

TEST_F(HarnessTest, MessageBoxIsFoundReadAndClosed)
{
    ASSERT_TRUE(m_tarnix.Click(IDC_SAVE));
    HWND box = m_tarnix.WaitForOwnedWindow("Tarnix");
    ASSERT_NE(box, nullptr);
    bool found = false;
    for (const e2e::ChildWindow& child : e2e::Children(box))
        found = found || child.text == "Stub message.";
    EXPECT_TRUE(found);
    // The program is inside MessageBox's modal loop now; the box's OK button ends it.
    ASSERT_TRUE(PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(m_tarnix.Sync());
}

TEST_F(HarnessTest, FolderBrowserThenPauseInCommandInterpreter)
{
    ASSERT_TRUE(m_tarnix.Click(IDC_RUN));
    HWND browser = m_tarnix.WaitForOwnedWindow();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(e2e::SelectFolderInBrowser(m_tarnix.Process(), browser, "C:\\windows"))
        << e2e::FolderBrowserSelection(m_tarnix.Process(), browser).value_or("(none)");
    ASSERT_TRUE(PostMessageA(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0));

    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::FindCommandInterpreter(m_tarnix.Pid()) != 0; }));
    // regression: reading a text of the blocked program once hung the test (Wine 8's
    // SendMessageTimeoutA ignores the timeout for WM_GETTEXTLENGTH).
    EXPECT_EQ(e2e::GetText(m_tarnix.Control(IDC_OUTPUT), std::chrono::milliseconds(300)),
              std::nullopt);
    const e2e::PauseAnswer answer = m_tarnix.AnswerPause();
    ASSERT_TRUE(answer) << answer.failure << "\n" << answer.screen;
    // The script's own output (`cd` prints the folder) is on the screen above the prompt.
    EXPECT_NE(answer.screen.find("C:\\windows"), std::string::npos) << answer.screen;
    EXPECT_TRUE(m_tarnix.WaitForText(IDC_OUTPUT, "C:\\windows\r\npause done\r\n"))
        << m_tarnix.Text(IDC_OUTPUT).value_or("(none)");
}

TEST_F(HarnessTest, ScreenshotIsWritten)
{
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\shot.txt"}));
    const std::string path = e2e::ArtifactPath("harness-main-window.bmp");
    ASSERT_TRUE(m_tarnix.Screenshot(path));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) << path;
    EXPECT_GT(data.nFileSizeLow, 10000u);
}

TEST_F(HarnessTest, CloseEndsProcess)
{
    ASSERT_TRUE(m_tarnix.Close());
    EXPECT_EQ(m_tarnix.ExitCode(), 0u);
}

} // namespace
