// Tarnix end to end: "Run..." through the real folder browser and the real cmd.exe runs the
// output as a script in the chosen folder, whatever the folder is called, and removes it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

// Writes where it ran and proves that the commands ran at all.
const std::string kProbeCommands = "cd > where.txt\r\necho hi> out.txt\r\n";

// The script the program must write for `folder` (drive letter and path, no trailing
// separator) and `output`: drive, cd to the folder, the output with each LF written as CR LF
// (so its CR LF becomes CR CR LF), an empty line, pause.
// cd's argument: quoted, with % doubled, when cmd would parse a character of it.
std::string CdArgument(const std::string& dir)
{
    if (dir.find_first_of("^&|<>%") == std::string::npos)
        return dir;
    std::string quoted = "\"";
    for (char c : dir)
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    return quoted + "\"";
}

std::string ExpectedScript(const std::string& folder, const std::string& output)
{
    std::string text = folder.substr(0, 2) + "\ncd " + CdArgument(folder.substr(2) + "\\") + "\n" +
                       output + "\npause\n";
    std::string bytes;
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// cmd.exe writes what `cd` prints in the OEM code page, into a file too (é is 0x82 in code
// page 437), while the program's paths are in the ANSI code page.
std::string InOemCodePage(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(
        CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0],
        static_cast<int>(wide.size()))));
    std::string oem(wide.size() * 2, '\0');
    oem.resize(static_cast<size_t>(WideCharToMultiByte(
        CP_OEMCP, 0, wide.data(), static_cast<int>(wide.size()), &oem[0],
        static_cast<int>(oem.size()), nullptr, nullptr)));
    return oem;
}

class RunTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(e2e::TarnixExe().empty()) << "run with --tarnix=PROGRAM";
        // A folder of its own per test: the console host of a finished script lingers for a
        // while with the script's folder as its current folder, which keeps that folder from
        // being removed.
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            if (c == '/')
                c = '-';
        m_base = "C:\\tarnix-run\\" + name;
        e2e::WaitUntil([&] { return e2e::RemoveTree(m_base); }, std::chrono::seconds(5));
        ASSERT_TRUE(e2e::MakeFolders(m_base));
        ASSERT_TRUE(e2e::ListFolder(m_base).empty()) << "left over from an earlier run";
        ASSERT_TRUE(m_tarnix.Start(e2e::TarnixExe()));
    }

    // Clicks "Run..." and returns the folder browser. It has no owner, so it is found as the
    // program's other dialog window.
    HWND OpenBrowser()
    {
        if (!m_tarnix.Click(IDC_RUN))
            return nullptr;
        return e2e::WaitForProcessWindow(m_tarnix.Pid(), "#32770", m_tarnix.MainWindow());
    }

    // Picks `folder` in the browser and clicks OK.
    void ChooseFolder(const std::string& folder)
    {
        HWND browser = OpenBrowser();
        ASSERT_NE(browser, nullptr) << "no folder browser";
        ASSERT_TRUE(e2e::SelectFolderInBrowser(m_tarnix.Process(), browser, folder))
            << folder << "; the tree shows "
            << e2e::FolderBrowserSelection(m_tarnix.Process(), browser).value_or("(nothing)");
        ASSERT_TRUE(e2e::ClickDialogButton(browser, IDOK));
        ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }));
    }

    // Runs the output in `folder`: chooses it, reads the script while `pause` waits in the
    // script's console, answers the pause and waits until the program is idle again (the
    // script deleted). Returns the script's bytes as they were while it ran.
    std::optional<std::string> RunIn(const std::string& folder, const std::string& script)
    {
        ChooseFolder(folder);
        if (testing::Test::HasFatalFailure())
            return std::nullopt;
        EXPECT_TRUE(e2e::WaitUntil([&] {
            return e2e::FindCommandInterpreter(m_tarnix.Pid()) != 0;
        })) << "no cmd.exe started";
        // The program closed the script before it started the interpreter.
        const std::optional<std::string> bytes = e2e::ReadFileBytes(script);
        const e2e::PauseAnswer answer = m_tarnix.AnswerPause();
        EXPECT_TRUE(answer) << answer.failure << "\n" << answer.screen;
        m_screen = answer.screen;
        EXPECT_TRUE(m_tarnix.Sync()) << "the program did not come back after the script";
        return bytes;
    }

    std::string m_base;    // this test's own folder
    e2e::TarnixProcess m_tarnix;
    std::string m_screen;  // the script's console when `pause` showed
};

TEST_F(RunTest, CommandsRunInChosenFolderThenScriptIsGone)
{
    const std::string folder = m_base + "\\work";
    ASSERT_TRUE(e2e::MakeFolders(folder));
    const std::string output = "echo one\r\necho two\r\n" + kProbeCommands;
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));

    const auto script = RunIn(folder, folder + "\\tarnixtemp.bat");
    EXPECT_EQ(script, ExpectedScript(folder, output));
    EXPECT_NE(m_screen.find("\none\n"), std::string::npos) << m_screen;
    EXPECT_NE(m_screen.find("\ntwo\n"), std::string::npos) << m_screen;
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\where.txt"), folder + "\r\n");
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\out.txt"), "hi\r\n");
    EXPECT_EQ(e2e::ListFolder(folder), (std::vector<std::string>{"out.txt", "where.txt"}));
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), output);
}

TEST_F(RunTest, EmptyOutputRunsDriveCdAndPauseOnly)
{
    const std::string folder = m_base + "\\empty";
    ASSERT_TRUE(e2e::MakeFolders(folder));
    const auto script = RunIn(folder, folder + "\\tarnixtemp.bat");
    EXPECT_EQ(script, ExpectedScript(folder, ""));
    EXPECT_TRUE(e2e::ListFolder(folder).empty());
}

TEST_F(RunTest, ExistingScriptIsOverwrittenThenDeletedAndSiblingsSurvive)
{
    const std::string folder = m_base + "\\again";
    ASSERT_TRUE(e2e::MakeFolders(folder));
    ASSERT_TRUE(e2e::WriteFileBytes(folder + "\\tarnixtemp.bat",
                                    "echo stale> stale.txt\r\n" + std::string(4000, ' ')));
    ASSERT_TRUE(e2e::WriteFileBytes(folder + "\\tarnixtemp.bak", "sibling"));
    ASSERT_TRUE(e2e::WriteFileBytes(folder + "\\keep.txt", "sibling"));
    ASSERT_TRUE(e2e::WriteFileBytes(m_base + "\\tarnixtemp.bat", "parent's"));
    const std::string output = "echo fresh> fresh.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));

    const auto script = RunIn(folder, folder + "\\tarnixtemp.bat");
    EXPECT_EQ(script, ExpectedScript(folder, output));
    EXPECT_EQ(e2e::ListFolder(folder),
              (std::vector<std::string>{"fresh.txt", "keep.txt", "tarnixtemp.bak"}));
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\keep.txt"), "sibling");
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\tarnixtemp.bak"), "sibling");
    EXPECT_EQ(e2e::ReadFileBytes(m_base + "\\tarnixtemp.bat"), "parent's");
}

// Folder names that mean something to cmd.exe. The program must run the script there and
// delete only that script; `decoys` (relative to the base folder) are files that a command
// line built naively from the path would hit instead, and must survive; `decoyFolders` are
// sibling folders that a script's cd line parsed by cmd would change into instead, and must
// stay empty (regression: "cd \a^b\" once ran the commands in \ab\).
struct FolderCase {
    const char* label;
    std::string name;
    std::vector<std::string> decoys;
    std::vector<std::string> decoyFolders = {};
};

const FolderCase kFolderCases[] = {
    {"Spaces", "with spaces", {"with", "with spaces\\spaces\\tarnixtemp.bat"}},
    {"Ampersand", "a&b", {"a&b\\b"}, {"a"}},
    {"Caret", "a^b", {}, {"ab"}},
    {"Percent", "50%", {}, {"50"}},
    {"Exclamation", "a!b", {}, {"ab"}},
    {"Parentheses", "(x) y", {"(x)"}},
    {"VariableName", "a%PATH%b", {}, {"ab"}},
    {"Cp1252Letter", "caf\xE9", {}},
    {"Everything", "x & (y) ^z %OS% !w! \xE9", {}, {"x"}},
};

// Failure messages name the row rather than dumping its bytes.
void PrintTo(const FolderCase& row, std::ostream* out)
{
    *out << row.label;
}

class RunFolderTest : public RunTest, public testing::WithParamInterface<FolderCase> {};

TEST_P(RunFolderTest, RunsThereAndDeletesOnlyTheScript)
{
    const FolderCase& c = GetParam();
    const std::string folder = m_base + "\\" + c.name;
    ASSERT_TRUE(e2e::MakeFolders(folder)) << folder;
    ASSERT_TRUE(e2e::WriteFileBytes(m_base + "\\tarnixtemp.bat", "decoy"));
    for (const std::string& decoy : c.decoys) {
        const std::string path = m_base + "\\" + decoy;
        ASSERT_TRUE(e2e::MakeFolders(path.substr(0, path.rfind('\\'))));
        ASSERT_TRUE(e2e::WriteFileBytes(path, "decoy"));
    }
    for (const std::string& decoy : c.decoyFolders)
        ASSERT_TRUE(e2e::MakeFolders(m_base + "\\" + decoy)) << decoy;
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, kProbeCommands));

    const auto script = RunIn(folder, folder + "\\tarnixtemp.bat");
    EXPECT_EQ(script, ExpectedScript(folder, kProbeCommands));
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\out.txt"), "hi\r\n") << m_screen;
    EXPECT_EQ(e2e::ReadFileBytes(folder + "\\where.txt"), InOemCodePage(folder) + "\r\n");
    EXPECT_FALSE(e2e::PathExists(folder + "\\tarnixtemp.bat"));
    EXPECT_EQ(e2e::ReadFileBytes(m_base + "\\tarnixtemp.bat"), "decoy");
    for (const std::string& decoy : c.decoys)
        EXPECT_EQ(e2e::ReadFileBytes(m_base + "\\" + decoy), "decoy") << decoy;
    for (const std::string& decoy : c.decoyFolders)
        EXPECT_EQ(e2e::ListFolder(m_base + "\\" + decoy), std::vector<std::string>{}) << decoy;
}

INSTANTIATE_TEST_SUITE_P(Run, RunFolderTest, testing::ValuesIn(kFolderCases),
                         [](const testing::TestParamInfo<FolderCase>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(RunTest, DriveRootDoublesTheSeparator)
{
    // The root's path ends in a separator: the script is "C:\\tarnixtemp.bat" and cd's
    // argument "\\"; both must still work.
    const std::string output = "cd > " + m_base.substr(3) + "\\where.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));
    const auto script = RunIn("C:\\", "C:\\tarnixtemp.bat");
    const std::string command = output.substr(0, output.size() - 2);
    EXPECT_EQ(script, "C:\r\ncd \\\\\r\n" + command + "\r\r\n\r\npause\r\n");
    EXPECT_EQ(e2e::ReadFileBytes(m_base + "\\where.txt"), "C:\\\r\n");
    EXPECT_FALSE(e2e::PathExists("C:\\tarnixtemp.bat"));
}

// regression: a folder without a file-system path gave an empty path, and the script was
// written to "\tarnixtemp.bat", the root of the current drive, and run there.
TEST_F(RunTest, FolderWithoutPathDoesNothing)
{
    const std::string output = "echo ran> " + m_base + "\\ran.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return e2e::SelectTopLevelItemInBrowser(m_tarnix.Process(), browser, "Computer"); }));
    ASSERT_TRUE(e2e::ClickDialogButton(browser, IDOK));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(e2e::FindCommandInterpreter(m_tarnix.Pid()), 0u);
    for (const char* root : {"C:\\tarnixtemp.bat", "Z:\\tarnixtemp.bat"}) {
        EXPECT_FALSE(e2e::PathExists(root)) << root;
        DeleteFileA(root);  // so that a failure here does not fail later runs
    }
    EXPECT_TRUE(e2e::ListFolder(m_base).empty());
    EXPECT_TRUE(m_tarnix.OwnedWindows().empty());
}

TEST_F(RunTest, CancelInBrowserDoesNothing)
{
    const std::string output = "echo ran> " + m_base + "\\ran.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(e2e::SelectFolderInBrowser(m_tarnix.Process(), browser, m_base));
    ASSERT_TRUE(e2e::ClickDialogButton(browser, IDCANCEL));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }));
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(e2e::FindCommandInterpreter(m_tarnix.Pid()), 0u);
    EXPECT_TRUE(e2e::ListFolder(m_base).empty());
    EXPECT_TRUE(m_tarnix.OwnedWindows().empty());
    EXPECT_EQ(m_tarnix.Text(IDC_OUTPUT), output);
}

TEST_F(RunTest, ScriptThatCannotBeCreatedRunsNothingSilently)
{
    // A folder already named like the script: the script file cannot be created there.
    const std::string folder = m_base + "\\blocked";
    ASSERT_TRUE(e2e::MakeFolders(folder + "\\tarnixtemp.bat"));
    const std::string output = "echo ran> " + m_base + "\\ran.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));

    ChooseFolder(folder);
    ASSERT_TRUE(m_tarnix.Sync());
    EXPECT_TRUE(m_tarnix.OwnedWindows().empty()) << "expected no message";
    EXPECT_EQ(e2e::FindCommandInterpreter(m_tarnix.Pid()), 0u);
    EXPECT_FALSE(e2e::PathExists(m_base + "\\ran.txt"));
    EXPECT_EQ(e2e::ListFolder(folder), std::vector<std::string>{"tarnixtemp.bat"});
}

// A real full disk: run-under-wine.sh maps a 64 KiB tmpfs as drive T: (TARNIX_E2E_TMPFS_DRIVE).
TEST_F(RunTest, ScriptThatCannotBeWrittenWholeRunsNothing)
{
    if (const auto missing = e2e::MissingSmallDrive())
        GTEST_SKIP() << *missing;
    const std::string folder = "T:\\full";
    ASSERT_TRUE(e2e::MakeFolders(folder));
    ASSERT_TRUE(e2e::FillDrive("T:\\filler"));
    struct Unfill {
        ~Unfill() { DeleteFileA("T:\\filler"); }
    } unfill;
    const std::string output = "echo ran> " + m_base + "\\ran.txt\r\n";
    ASSERT_TRUE(m_tarnix.SetText(IDC_OUTPUT, output));

    ChooseFolder(folder);
    HWND box = m_tarnix.WaitForOwnedWindow("File write failure");
    ASSERT_NE(box, nullptr) << "no message box captioned \"File write failure\"";
    EXPECT_EQ(e2e::MessageBoxText(box), "Unable to write " + folder + "\\tarnixtemp.bat");
    EXPECT_EQ(e2e::FindCommandInterpreter(m_tarnix.Pid()), 0u);
    ASSERT_TRUE(e2e::ClickDialogButton(box, IDOK));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(m_tarnix.Sync());

    EXPECT_EQ(e2e::FindCommandInterpreter(m_tarnix.Pid()), 0u);
    EXPECT_TRUE(e2e::ListFolder(folder).empty());
    EXPECT_FALSE(e2e::PathExists(m_base + "\\ran.txt"));
}

} // namespace
