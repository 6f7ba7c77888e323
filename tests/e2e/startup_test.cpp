// Tarnix end to end: the state at start-up, a first drop, and the ways the window closes.
#include <gtest/gtest.h>

#include "Driver.h"

namespace {

constexpr int kOutput = 1000;
constexpr int kFormat = 1002;
constexpr int kUnixSlashes = 1013;
constexpr int kAlwaysOnTop = 1014;

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(e2e::TarnixExe().empty()) << "run with --tarnix=PROGRAM";
        ASSERT_TRUE(m_tarnix.Start(e2e::TarnixExe()));
    }

    e2e::TarnixProcess m_tarnix;
};

TEST_F(StartupTest, StartsWithDefaults)
{
    EXPECT_EQ(m_tarnix.Text(kFormat), "%f\\r\\n");
    EXPECT_EQ(m_tarnix.Text(kOutput), "");
    EXPECT_EQ(m_tarnix.Check(kUnixSlashes), 0);
    EXPECT_EQ(m_tarnix.Check(kAlwaysOnTop), 1);
    EXPECT_TRUE(m_tarnix.IsTopmost());
    EXPECT_TRUE(m_tarnix.Screenshot(e2e::ArtifactPath("startup.bmp")));
}

TEST_F(StartupTest, DropOfTwoFilesListsThemAndCopies)
{
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\a.txt", "C:\\b.txt"}));
    EXPECT_EQ(m_tarnix.Text(kOutput), "C:\\a.txt\r\nC:\\b.txt\r\n");
    EXPECT_EQ(e2e::ReadClipboardText(), "C:\\a.txt\r\nC:\\b.txt\r\n");
}

TEST_F(StartupTest, EnterInTemplateBoxCloses)
{
    ASSERT_TRUE(m_tarnix.PostKey(kFormat, VK_RETURN));
    EXPECT_TRUE(m_tarnix.WaitForExit());
}

TEST_F(StartupTest, EscapeCloses)
{
    ASSERT_TRUE(m_tarnix.PostKey(kOutput, VK_ESCAPE));
    EXPECT_TRUE(m_tarnix.WaitForExit());
}

TEST_F(StartupTest, CloseBoxCloses)
{
    EXPECT_TRUE(m_tarnix.Close());
}

} // namespace
