// Save and Run without a window: the command script's exact bytes and path, and a save that
// either writes the whole file or leaves the old one alone (on a real full disk too).
#include "actions/CommandScript.h"
#include "actions/SaveOutput.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// ---- The command script ---------------------------------------------------------------------

struct ScriptCase {
    const char* name;
    std::string folder;
    std::string output;
    std::string path;   // ScriptPath with the Windows separator
    std::string bytes;  // ScriptBytes
};

const ScriptCase kScriptCases[] = {
    {"two commands with CR LF, each CR LF becomes CR CR LF",
     R"(C:\Work\Photos)", "echo one\r\necho two\r\n",
     R"(C:\Work\Photos\tarnixtemp.bat)",
     "C:\r\ncd \\Work\\Photos\\\r\necho one\r\r\necho two\r\r\n\r\npause\r\n"},
    {"empty output: drive, cd, an empty line, pause",
     R"(C:\Work\Photos)", "",
     R"(C:\Work\Photos\tarnixtemp.bat)",
     "C:\r\ncd \\Work\\Photos\\\r\n\r\npause\r\n"},
    {"network folder: no drive line",
     R"(\\srv\share\dir)", "dir\r\n",
     R"(\\srv\share\dir\tarnixtemp.bat)",
     "cd \\\\srv\\share\\dir\\\r\ndir\r\r\n\r\npause\r\n"},
    {"drive root: doubled separator in the path, cd to the root",
     R"(C:\)", "",
     R"(C:\\tarnixtemp.bat)",
     "C:\r\ncd \\\\\r\n\r\npause\r\n"},
    {"the output ends at its first NUL",
     R"(D:\x)", "echo kept\r\n\0echo cut\r\n"s,
     R"(D:\x\tarnixtemp.bat)",
     "D:\r\ncd \\x\\\r\necho kept\r\r\n\r\npause\r\n"},
    {"a lone LF becomes CR LF, a lone CR stays",
     R"(C:\a b)", "x\ny\rz",
     R"(C:\a b\tarnixtemp.bat)",
     "C:\r\ncd \\a b\\\r\nx\r\ny\rz\r\npause\r\n"},
    {"the output's bytes above 0x7F and cmd's special characters pass unchanged",
     "C:\\caf\xE9 (1)!", "echo \xE9%PATH%!^\r\n",
     "C:\\caf\xE9 (1)!\\tarnixtemp.bat",
     "C:\r\ncd \\caf\xE9 (1)!\\\r\necho \xE9%PATH%!^\r\r\n\r\npause\r\n"},
    // regression: unquoted, "cd \a^b\" went to \ab\ and ran the commands there
    {"a folder with ^ & | < > or % is quoted for cd, its % doubled",
     "C:\\a^b & 50%", "",
     "C:\\a^b & 50%\\tarnixtemp.bat",
     "C:\r\ncd \"\\a^b & 50%%\\\"\r\n\r\npause\r\n"},
};

class ScriptTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptTest, PathAndBytes)
{
    const ScriptCase& c = GetParam();
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ScriptPath(c.folder, '\\'), c.path);
    EXPECT_EQ(ScriptBytes(c.folder, c.output, LeadBytes{}, '\\'), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Actions, ScriptTest, testing::ValuesIn(kScriptCases),
                         [](const testing::TestParamInfo<ScriptCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// ---- Save -----------------------------------------------------------------------------------

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh folder per test, removed afterwards.
class SaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnix-actions-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr) << std::strerror(errno);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    fs::path m_dir;
};

std::string AllBytesButNul()
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    return all;
}

struct SaveCase {
    const char* name;
    std::string output;
    std::string file;
};

const SaveCase kSaveCases[] = {
    {"CR LF and lone LF kept byte for byte", "a\r\nb\nc\r", "a\r\nb\nc\r"},
    {"empty output gives an empty file", "", ""},
    {"up to the first NUL", "kept\0cut"s, "kept"},
    {"every byte from 1 to 255", AllBytesButNul(), AllBytesButNul()},
};

TEST_F(SaveTest, WritesExactBytesAndNothingElse)
{
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.name);
        const fs::path target = m_dir / "out.txt";
        EXPECT_EQ(SaveOutput(target.string(), c.output), SaveResult::Saved);
        EXPECT_EQ(ReadFile(target), c.file);
        // The temporary file has become the target: nothing else is left in the folder.
        EXPECT_EQ(Names(m_dir), std::vector<std::string>{"out.txt"});
        fs::remove(target);
    }
}

TEST_F(SaveTest, ReplacesAnExistingLongerFile)
{
    const fs::path target = m_dir / "out.txt";
    WriteFile(target, std::string(10000, 'o'));
    EXPECT_EQ(SaveOutput(target.string(), "new\r\n"), SaveResult::Saved);
    EXPECT_EQ(ReadFile(target), "new\r\n");
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"out.txt"});
}

TEST_F(SaveTest, MissingFolderCannotOpenAndCreatesNothing)
{
    const fs::path target = m_dir / "missing" / "out.txt";
    EXPECT_EQ(SaveOutput(target.string(), "text"), SaveResult::CannotOpen);
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
    EXPECT_TRUE(Names(m_dir).empty());
    EXPECT_EQ(SaveFailureMessage(SaveResult::CannotOpen, target.string()),
              "Unable to open " + target.string());
}

TEST(SaveMessage, NamesThePath)
{
    EXPECT_EQ(SaveFailureMessage(SaveResult::WriteFailed, R"(T:\out.txt)"),
              R"(Unable to write T:\out.txt)");
    EXPECT_EQ(SaveFailureMessage(SaveResult::CannotOpen, R"(C:\no\out.txt)"),
              R"(Unable to open C:\no\out.txt)");
}

// A real full disk: a 64 KiB tmpfs filled to the last page. Needs the right to mount.
TEST_F(SaveTest, FullDiskWriteFailsAndLeavesTheTargetAlone)
{
    const fs::path mountPoint = m_dir / "tmpfs";
    fs::create_directory(mountPoint);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                     << "): needs root or CAP_SYS_ADMIN";
    struct Unmount {
        fs::path point;
        ~Unmount() { umount2(point.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    const fs::path target = mountPoint / "out.txt";
    WriteFile(target, "old content\r\n");
    {
        // Fill every page that is left; tmpfs hands out whole pages, so afterwards not even
        // one more byte fits in a new file.
        std::FILE* filler = std::fopen((mountPoint / "filler").c_str(), "wb");
        ASSERT_NE(filler, nullptr);
        std::setvbuf(filler, nullptr, _IONBF, 0);
        const std::string page(4096, 'f');
        while (std::fwrite(page.data(), 1, page.size(), filler) == page.size()) {
        }
        std::fclose(filler);
        std::FILE* probe = std::fopen((mountPoint / "probe").c_str(), "wb");
        ASSERT_NE(probe, nullptr);
        std::setvbuf(probe, nullptr, _IONBF, 0);
        ASSERT_NE(std::fwrite("x", 1, 1, probe), 1u) << "the tmpfs is not full";
        std::fclose(probe);
        fs::remove(mountPoint / "probe");
    }

    const std::string output(20000, 'n');
    EXPECT_EQ(SaveOutput(target.string(), output), SaveResult::WriteFailed);
    EXPECT_EQ(ReadFile(target), "old content\r\n");
    EXPECT_EQ(Names(mountPoint), (std::vector<std::string>{"filler", "out.txt"}));
}

} // namespace
