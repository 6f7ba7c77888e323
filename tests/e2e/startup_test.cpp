// Tarnix end to end: the state at start-up, Enter in the output box, and the ways the window
// closes. Drops are in drop_test.cpp, the window's frame and controls in window_test.cpp.
#include <gtest/gtest.h>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

class StartupTest : public e2e::TarnixTest {};

// The control that has the keyboard focus in the program's thread; nullptr if none.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

TEST_F(StartupTest, StartsWithDefaults)
{
    EXPECT_EQ(m_tarnix.Text(IDC_FORMAT), "%f\\r\\n"); // the six characters %f\r\n
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "");
    EXPECT_EQ(m_tarnix.Check(IDC_UNIX_SLASHES), 0);
    EXPECT_EQ(m_tarnix.Check(IDC_ALWAYS_ON_TOP), 1);
    EXPECT_TRUE(m_tarnix.IsTopmost());
    EXPECT_EQ(FocusOf(m_tarnix.MainWindow()), m_tarnix.Control(IDC_OUTPUT));
    EXPECT_TRUE(m_tarnix.Screenshot(e2e::ArtifactPath("startup.bmp")));
}

TEST_F(StartupTest, EnterInOutputBoxAddsALineAndTheWindowStays)
{
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, "ab"));
    ASSERT_TRUE(m_tarnix.Select(IDC_OUTPUT, 2, 2));
    ASSERT_TRUE(m_tarnix.PostKey(IDC_OUTPUT, VK_RETURN));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "ab\r\n");
    EXPECT_TRUE(m_tarnix.IsRunning());
}

// A key that ends the run: Enter on a control that does not take it (the OK command), or
// Escape anywhere (cancel). Key 0 stands for the window's close box.
struct CloseCase {
    const char* name;
    int control;
    WORD key;
};

void PrintTo(const CloseCase& row, std::ostream* os) { *os << row.name; }

const CloseCase kCloseCases[] = {
    {"EnterInTemplateBox", IDC_FORMAT, VK_RETURN},
    {"EnterOnUnixSlashes", IDC_UNIX_SLASHES, VK_RETURN},
    {"EnterOnAlwaysOnTop", IDC_ALWAYS_ON_TOP, VK_RETURN},
    {"EscapeInOutputBox", IDC_OUTPUT, VK_ESCAPE},
    {"EscapeInTemplateBox", IDC_FORMAT, VK_ESCAPE},
    {"CloseBox", 0, 0},
};

class CloseTest : public StartupTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, EndsTheProgram)
{
    const CloseCase& row = GetParam();
    const bool asked = row.key == 0 ? m_tarnix.Close() : m_tarnix.PostKey(row.control, row.key);
    ASSERT_TRUE(asked);
    ASSERT_TRUE(m_tarnix.WaitForExit());
    EXPECT_EQ(m_tarnix.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Closes, CloseTest, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
