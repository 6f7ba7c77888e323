// Tarnix end to end: "Save..." through the real Save As dialog writes the output's bytes, or
// says why not and leaves what was there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

const std::string kFolder = "C:\\tarnix-save";

class SaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(e2e::TarnixExe().empty()) << "run with --tarnix=PROGRAM";
        ASSERT_TRUE(e2e::RemoveTree(kFolder));
        ASSERT_TRUE(e2e::MakeFolders(kFolder));
        ASSERT_TRUE(m_tarnix.Start(e2e::TarnixExe()));
    }

    // Clicks "Save...", waits for the Save As dialog among the main window's owned windows
    // and returns it.
    HWND OpenSaveAs()
    {
        if (!m_tarnix.Click(IDC_SAVE))
            return nullptr;
        HWND dialog = m_tarnix.WaitForOwnedWindow();
        if (dialog != nullptr && e2e::FileNameEdit(dialog) == nullptr) {
            ADD_FAILURE() << "not a file dialog: " << e2e::Caption(dialog);
            return nullptr;
        }
        return dialog;
    }

    // Saves under `path` through the dialog; returns once the program is idle again, so the
    // file is written (or a message box shows: see WaitForMessageBox).
    void SaveAs(const std::string& path)
    {
        HWND dialog = OpenSaveAs();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(e2e::ChooseFileName(dialog, path));
        ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }))
            << "the Save As dialog stayed open";
    }

    // The failure message box: its caption must be "File write failure"; returns its text and
    // closes it with OK.
    std::string TakeMessageBox()
    {
        HWND box = m_tarnix.WaitForOwnedWindow("File write failure");
        if (box == nullptr) {
            ADD_FAILURE() << "no message box captioned \"File write failure\"; owned windows: "
                          << m_tarnix.OwnedWindows().size();
            return {};
        }
        const std::string text = e2e::MessageBoxText(box);
        EXPECT_TRUE(e2e::ClickDialogButton(box, IDOK));
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
        return text;
    }

    // No dialog and no message box is left, and the program answers again.
    void ExpectIdle()
    {
        EXPECT_TRUE(m_tarnix.Sync());
        EXPECT_TRUE(m_tarnix.OwnedWindows().empty());
    }

    e2e::TarnixProcess m_tarnix;
};

// Rows differ in the template and the dropped names only.
struct BytesCase {
    const char* label;
    std::string format;
    std::vector<std::string> names;
    std::string file;
};

const BytesCase kBytesCases[] = {
    {"DefaultTemplateCrLf", "%f\\r\\n", {"C:\\a.txt", "C:\\dir\\b.txt"},
     "C:\\a.txt\r\nC:\\dir\\b.txt\r\n"},
    {"LoneLineFeedAndHighBytes", "%n%e\\n", {"C:\\caf\xE9.txt", "C:\\b"},
     "caf\xE9.txt\nb\n"},
};

// Failure messages name the row rather than dumping its bytes.
void PrintTo(const BytesCase& row, std::ostream* out)
{
    *out << row.label;
}

class SaveBytesTest : public SaveTest, public testing::WithParamInterface<BytesCase> {};

TEST_P(SaveBytesTest, FileHoldsExactlyTheOutput)
{
    const BytesCase& c = GetParam();
    ASSERT_TRUE(m_tarnix.SetText(IDC_FORMAT, c.format));
    ASSERT_TRUE(m_tarnix.DropFiles(c.names));
    ASSERT_EQ(m_tarnix.Text(IDC_OUTPUT), c.file);
    SaveAs(kFolder + "\\out.txt");
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(kFolder + "\\out.txt"), c.file);
    // Whatever the program wrote first is gone: only the target is left in the folder.
    EXPECT_EQ(e2e::ListFolder(kFolder), std::vector<std::string>{"out.txt"});
}

INSTANTIATE_TEST_SUITE_P(Save, SaveBytesTest, testing::ValuesIn(kBytesCases),
                         [](const testing::TestParamInfo<BytesCase>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(SaveTest, RightAfterStartWritesEmptyFile)
{
    SaveAs(kFolder + "\\empty.txt");
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(kFolder + "\\empty.txt"), "");
}

TEST_F(SaveTest, ReplacesExistingFileWithoutAsking)
{
    const std::string path = kFolder + "\\old.txt";
    ASSERT_TRUE(e2e::WriteFileBytes(path, std::string(5000, 'o') + "\r\n"));
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\new.txt"}));
    SaveAs(path);
    // No "replace?" question: the dialog closed on OK and no other window came up.
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(path), "C:\\new.txt\r\n");
    EXPECT_EQ(e2e::ListFolder(kFolder), std::vector<std::string>{"old.txt"});
}

TEST_F(SaveTest, TypedTextIsSavedOnlyAfterCopy)
{
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\a.txt"}));
    ASSERT_TRUE(m_tarnix.Select(IDC_OUTPUT, 10, 10));
    ASSERT_TRUE(e2e::PostChars(m_tarnix.Control(IDC_OUTPUT), "typed"));
    ASSERT_TRUE(m_tarnix.WaitForText(IDC_OUTPUT, "C:\\a.txt\r\ntyped"));

    // Save takes the output as the last reading of the controls (the drop) left it.
    SaveAs(kFolder + "\\before.txt");
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(kFolder + "\\before.txt"), "C:\\a.txt\r\n");

    // Copy reads the controls, so the typed text is in the next save.
    ASSERT_TRUE(m_tarnix.Click(IDC_COPY));
    ASSERT_TRUE(m_tarnix.Sync());
    SaveAs(kFolder + "\\after.txt");
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(kFolder + "\\after.txt"), "C:\\a.txt\r\ntyped");
}

TEST_F(SaveTest, MissingFolderShowsUnableToOpenAndCreatesNothing)
{
    const std::string path = kFolder + "\\missing\\out.txt";
    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\a.txt"}));
    SaveAs(path);
    EXPECT_EQ(TakeMessageBox(), "Unable to open " + path);
    ExpectIdle();
    EXPECT_FALSE(e2e::PathExists(kFolder + "\\missing"));
    EXPECT_TRUE(e2e::ListFolder(kFolder).empty());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), "C:\\a.txt\r\n");
}

TEST_F(SaveTest, CancelWritesNothing)
{
    HWND dialog = OpenSaveAs();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(e2e::SetText(e2e::FileNameEdit(dialog), kFolder + "\\cancelled.txt"));
    ASSERT_TRUE(e2e::ClickDialogButton(dialog, IDCANCEL));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));
    ExpectIdle();
    EXPECT_TRUE(e2e::ListFolder(kFolder).empty());
}

// A real full disk: run-under-wine.sh maps a 64 KiB tmpfs as drive T: (TARNIX_E2E_TMPFS_DRIVE).
TEST_F(SaveTest, FullDiskShowsUnableToWriteAndKeepsOldFile)
{
    if (const auto missing = e2e::MissingSmallDrive())
        GTEST_SKIP() << *missing;
    const std::string path = "T:\\out.txt";
    const std::string old = "old content\r\n";
    ASSERT_TRUE(e2e::WriteFileBytes(path, old));
    ASSERT_TRUE(e2e::FillDrive("T:\\filler"));
    struct Unfill {
        ~Unfill() { DeleteFileA("T:\\filler"); }
    } unfill;

    ASSERT_TRUE(m_tarnix.DropFiles({"C:\\a.txt", "C:\\b.txt"}));
    SaveAs(path);
    EXPECT_EQ(TakeMessageBox(), "Unable to write " + path);
    ExpectIdle();
    EXPECT_EQ(e2e::ReadFileBytes(path), old);
    // The half-written new content did not stay behind under another name.
    EXPECT_EQ(e2e::ListFolder("T:"), (std::vector<std::string>{"filler", "out.txt"}));
}

} // namespace
