// Tarnix end to end: the main window itself: its fixed frame, its controls in tab order and
// their layout, its icons, "Always on top", and the manual that "Web help" and F1 open.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Driver.h"
#include "TarnixTest.h"
#include "res/resource.h"

namespace {

class WindowTest : public e2e::TarnixTest {};

// A bit of the main window's style (GWL_STYLE) or extended style (GWL_EXSTYLE).
struct StyleBit {
    const char* name;
    int index;
    DWORD bits;
    bool set;
};

const StyleBit kFrameStyles[] = {
    {"WS_POPUP", GWL_STYLE, WS_POPUP, true},
    {"WS_VISIBLE", GWL_STYLE, WS_VISIBLE, true},
    {"WS_CAPTION", GWL_STYLE, WS_CAPTION, true},
    {"WS_SYSMENU", GWL_STYLE, WS_SYSMENU, true},
    {"WS_MINIMIZEBOX", GWL_STYLE, WS_MINIMIZEBOX, true},
    {"WS_MAXIMIZEBOX", GWL_STYLE, WS_MAXIMIZEBOX, false},
    {"WS_THICKFRAME (sizing border)", GWL_STYLE, WS_THICKFRAME, false},
    {"WS_EX_DLGMODALFRAME (DS_MODALFRAME)", GWL_EXSTYLE, WS_EX_DLGMODALFRAME, true},
    {"WS_EX_ACCEPTFILES", GWL_EXSTYLE, WS_EX_ACCEPTFILES, true},
    {"WS_EX_APPWINDOW", GWL_EXSTYLE, WS_EX_APPWINDOW, true},
};

TEST_F(WindowTest, HasFixedFrameAndCaption)
{
    HWND window = m_tarnix.MainWindow();
    EXPECT_EQ(e2e::GetText(window), "Tarnix v1.0");
    for (const StyleBit& row : kFrameStyles) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ((static_cast<DWORD>(GetWindowLongA(window, row.index)) & row.bits) == row.bits,
                  row.set);
    }
}

TEST_F(WindowTest, OpensInTheMiddleOfTheScreen)
{
    RECT work{}, window{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    ASSERT_TRUE(GetWindowRect(m_tarnix.MainWindow(), &window));
    EXPECT_NEAR(window.left - work.left, work.right - window.right, 1);
    EXPECT_NEAR(window.top - work.top, work.bottom - window.bottom, 1);
}

TEST_F(WindowTest, HasBigAndSmallIcons)
{
    for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
        SCOPED_TRACE(which == ICON_BIG ? "ICON_BIG" : "ICON_SMALL");
        DWORD_PTR icon = 0;
        if (!SendMessageTimeoutW(m_tarnix.MainWindow(), WM_GETICON, which, 0, SMTO_NORMAL,
                                 static_cast<UINT>(e2e::kMessageTimeout.count()), &icon)) {
            // Wine 8 carries no WM_GETICON (nor WM_SETICON, WM_QUERYDRAGICON) to a window of
            // another process, not even to its own explorer's; Windows does.
            ASSERT_TRUE(m_tarnix.IsRunning());
            GTEST_SKIP() << "WM_GETICON cannot reach another process here";
        }
        EXPECT_NE(icon, 0u);
    }
}

// One control of the dialog template, in template order (which is the tab order). Position
// and size are in dialog units; `styles` must all be set; WS_TABSTOP must match exactly.
struct ControlRow {
    int id;           // -1: none
    const char* className;
    const char* text; // as at start
    int x, y, cx, cy;
    DWORD styles;
    int buttonType;   // BS_... for buttons; -1 for edits
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
const ControlRow kControls[] = {
    {1000, "Edit", "", 13, 18, 212, 38,
     kChild | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN,
     -1},
    {1002, "Edit", "%f\\r\\n", 13, 73, 151, 14, kChild | WS_TABSTOP | ES_AUTOHSCROLL, -1},
    {1009, "Button", "Insert special...", 168, 73, 57, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
    {1010, "Button", "Save...", 7, 96, 50, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
    {1011, "Button", "Copy to clipboard", 62, 96, 75, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
    {1012, "Button", "Run...", 142, 96, 32, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
    {1007, "Button", "Clear", 179, 96, 52, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
    {-1, "Button", "Drop files here", 7, 7, 224, 52, kChild, BS_GROUPBOX},
    {-1, "Button", "Format control", 7, 62, 224, 28, kChild, BS_GROUPBOX},
    {1013, "Button", "UNIX Slashes", 7, 121, 60, 10, kChild | WS_TABSTOP, BS_AUTOCHECKBOX},
    {1014, "Button", "Always on top", 171, 121, 60, 10, kChild | WS_TABSTOP, BS_AUTOCHECKBOX},
    {1015, "Button", "Web help", 93, 117, 50, 14, kChild | WS_TABSTOP, BS_PUSHBUTTON},
};
constexpr int kDialogWidth = 238;   // dialog units
constexpr int kDialogHeight = 138;

// The dialog's base units, found from its client size as the dialog manager maps it
// (MulDiv(width, x, 4), MulDiv(height, y, 8)); 0 if none fits.
int BaseUnit(int pixels, int dialogUnits, int divisor)
{
    for (int unit = 1; unit < 64; ++unit)
        if (MulDiv(dialogUnits, unit, divisor) == pixels)
            return unit;
    return 0;
}

TEST_F(WindowTest, ControlsInTabOrderWithTheirTextsStylesAndPlaces)
{
    HWND window = m_tarnix.MainWindow();
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    const int baseX = BaseUnit(client.right, kDialogWidth, 4);
    const int baseY = BaseUnit(client.bottom, kDialogHeight, 8);
    ASSERT_NE(baseX, 0) << "client width " << client.right << " is no 238 dialog units";
    ASSERT_NE(baseY, 0) << "client height " << client.bottom << " is no 138 dialog units";

    const std::vector<e2e::ChildWindow> children = e2e::Children(window);
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kControls[i];
        const e2e::ChildWindow& child = children[i];
        SCOPED_TRACE(testing::Message() << "control " << i << ": " << row.text);
        EXPECT_EQ(static_cast<WORD>(child.id), static_cast<WORD>(row.id));
        EXPECT_STRCASEEQ(child.className.c_str(), row.className);
        EXPECT_EQ(child.text, row.text);
        EXPECT_EQ(GetParent(child.hwnd), window);

        const DWORD style = static_cast<DWORD>(GetWindowLongA(child.hwnd, GWL_STYLE));
        EXPECT_EQ(style & row.styles, row.styles) << std::hex << style;
        EXPECT_EQ(style & WS_TABSTOP, row.styles & WS_TABSTOP);
        if (row.buttonType >= 0) {
            EXPECT_EQ(static_cast<int>(style & BS_TYPEMASK), row.buttonType);
        } else { // an edit's border: WS_BORDER, or the 3D edge the dialog manager makes of it
            EXPECT_TRUE((style & WS_BORDER) ||
                        (GetWindowLongA(child.hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        }

        RECT rect{};
        ASSERT_TRUE(GetWindowRect(child.hwnd, &rect));
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, MulDiv(row.x, baseX, 4));
        EXPECT_EQ(rect.top, MulDiv(row.y, baseY, 8));
        EXPECT_EQ(rect.right - rect.left, MulDiv(row.cx, baseX, 4));
        EXPECT_EQ(rect.bottom - rect.top, MulDiv(row.cy, baseY, 8));
    }

    // Tab walks the tab stops in template order and wraps around.
    std::vector<int> stops;
    for (const ControlRow& row : kControls)
        if (row.styles & WS_TABSTOP)
            stops.push_back(row.id);
    HWND current = m_tarnix.Control(stops.front());
    for (size_t i = 1; i <= stops.size(); ++i) {
        current = GetNextDlgTabItem(window, current, FALSE);
        EXPECT_EQ(GetDlgCtrlID(current), stops[i % stops.size()]);
    }
}

// Whether `upper` is above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper)
            return true;
        if (w == lower)
            return false;
    }
    return false;
}

TEST_F(WindowTest, AlwaysOnTopMovesTheWindowInAndOutOfTheTopmostBand)
{
    // An ordinary window of the test's own over Tarnix's place, raised before each check:
    // it can cover Tarnix only while Tarnix is out of the topmost band.
    RECT place{};
    ASSERT_TRUE(GetWindowRect(m_tarnix.MainWindow(), &place));
    HWND cover = CreateWindowExA(0, "STATIC", "cover", WS_POPUP | WS_VISIBLE, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(cover, nullptr);
    const int checked[] = {1, 0, 1}; // at start; after a click; after another click
    for (size_t i = 0; i < std::size(checked); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i);
        if (i > 0) {
            ASSERT_TRUE(m_tarnix.Click(IDC_ALWAYS_ON_TOP));
            ASSERT_TRUE(m_tarnix.Sync());
        }
        ASSERT_TRUE(SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
        const bool topmost = checked[i] == 1;
        EXPECT_EQ(m_tarnix.Check(IDC_ALWAYS_ON_TOP), checked[i]);
        EXPECT_EQ(m_tarnix.IsTopmost(), topmost);
        EXPECT_EQ(IsAbove(m_tarnix.MainWindow(), cover), topmost);
    }
    DestroyWindow(cover);
}

TEST_F(WindowTest, ScreenshotWithAFewDroppedLines)
{
    ASSERT_TRUE(m_tarnix.DropFiles(
        {"C:\\photos\\beach.jpg", "C:\\photos\\sunset.jpg", "C:\\docs\\notes.txt"}));
    EXPECT_TRUE(m_tarnix.Screenshot(e2e::ArtifactPath("main-window-with-drops.bmp")));
}

// --- The manual: "Web help" and F1 ---------------------------------------------------------
//
// No web browser exists on the test machine. A recorder (recorder/Recorder.cpp) stands in
// for it: registered as the program that opens .html pages, it writes down what it was asked
// to open. Wine reads that registration from HKEY_CLASSES_ROOT\htmlfile (HKCU is ignored).

const char kRecorder[] = "C:\\rec\\rec.exe";
const char kRecord[] = "C:\\rec\\rec.txt";

std::string FolderOfThisProgram()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, n);
    return self.substr(0, self.find_last_of('\\') + 1);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Copies Tarnix.exe, and the manual beside it if `withManual`, into `folder`, so the copy's
// manual is at a path the test knows. Returns the copy's path; empty on failure.
std::string CopyOfTarnix(const std::string& folder, bool withManual)
{
    const std::string source = e2e::TarnixExe();
    const std::string manual = source.substr(0, source.rfind('.')) + ".html";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exe = folder + "\\Tarnix.exe";
    if (!CopyFileA(source.c_str(), exe.c_str(), FALSE))
        return {};
    const std::string copied = folder + "\\Tarnix.html";
    if (withManual ? !CopyFileA(manual.c_str(), copied.c_str(), FALSE)
                   : GetFileAttributesA(copied.c_str()) != INVALID_FILE_ATTRIBUTES)
        return {};
    return exe;
}

class ManualTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CreateDirectoryA("C:\\rec", nullptr);
        const std::string recorder = FolderOfThisProgram() + "e2e_recorder.exe";
        ASSERT_TRUE(CopyFileA(recorder.c_str(), kRecorder, FALSE)) << recorder;
        // What installing a browser registers: .html pages are "htmlfile" documents (the
        // fresh prefix lacks this, as Wine's own HTML engine is left out), opened by it.
        ASSERT_TRUE(SetClassesDefault(".html", "htmlfile"));
        ASSERT_TRUE(SetClassesDefault("htmlfile\\shell\\open\\command",
                                      std::string("\"") + kRecorder + "\" \"%1\""));
    }

    // Sets the default value of HKEY_CLASSES_ROOT\`subkey`, creating the key if need be.
    static bool SetClassesDefault(const char* subkey, const std::string& value)
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return false;
        const LONG set = RegSetValueExA(key, nullptr, 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
        return set == ERROR_SUCCESS;
    }

    void SetUp() override
    {
        ASSERT_FALSE(e2e::TarnixExe().empty()) << "run with --tarnix=PROGRAM";
        DeleteFileA(kRecord);
    }

    // Starts a copy of Tarnix in `folder` (with or without its manual).
    void StartCopy(const std::string& folder, bool withManual)
    {
        const std::string exe = CopyOfTarnix(folder, withManual);
        ASSERT_FALSE(exe.empty()) << folder;
        ASSERT_TRUE(m_tarnix.Start(exe));
    }

    // Asks for help the way the row says: a click on "Web help" or F1 in the template box.
    void AskForHelp(bool f1)
    {
        ASSERT_TRUE(f1 ? m_tarnix.PostKey(IDC_FORMAT, VK_F1) : m_tarnix.Click(IDC_WEB_HELP));
    }

    e2e::TarnixProcess m_tarnix;
};

TEST_F(ManualTest, BuildPutsTheManualBesideTheProgram)
{
    const std::string exe = e2e::TarnixExe();
    const std::string manual = exe.substr(0, exe.rfind('.')) + ".html";
    EXPECT_NE(GetFileAttributesA(manual.c_str()), INVALID_FILE_ATTRIBUTES) << manual;
    // F1 asks for the main window's topic: the manual must have it.
    EXPECT_NE(ReadWholeFile(manual).find("id=\"topic-20066\""), std::string::npos);
}

struct ManualCase {
    const char* name;
    const char* folder;   // where the copy of Tarnix runs (ANSI, code page 1252)
    bool f1;              // F1; otherwise a click on "Web help"
    const char* opened;   // what the browser is asked to open (UTF-8, as the recorder writes)
};

void PrintTo(const ManualCase& row, std::ostream* os) { *os << row.name; }

const ManualCase kManualCases[] = {
    {"WebHelpOpensTheManualBesideTheProgram", "C:\\tarnix", false, "C:\\tarnix\\Tarnix.html"},
    {"F1OpensTheManualAtTheMainWindowsTopic", "C:\\tarnix", true,
     "file:///C:/tarnix/Tarnix.html#topic-20066"},
    {"WebHelpFromAnOddFolderName", "C:\\help #1 50% caf\xE9", false,
     "C:\\help #1 50% caf\xC3\xA9\\Tarnix.html"},
    // Space, '#', '%' and a non-ASCII letter are escaped, so the topic stays the only anchor.
    {"F1FromAnOddFolderNameEscapesTheAddress", "C:\\help #1 50% caf\xE9", true,
     "file:///C:/help%20%231%2050%25%20caf%C3%A9/Tarnix.html#topic-20066"},
};

class ManualCaseTest : public ManualTest, public testing::WithParamInterface<ManualCase> {};

TEST_P(ManualCaseTest, BrowserIsAskedToOpenTheManual)
{
    const ManualCase& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartCopy(row.folder, true));
    ASSERT_NO_FATAL_FAILURE(AskForHelp(row.f1));
    EXPECT_TRUE(e2e::WaitUntil([] { return !ReadWholeFile(kRecord).empty(); }))
        << "the browser was not started";
    EXPECT_TRUE(m_tarnix.Sync());
    EXPECT_EQ(ReadWholeFile(kRecord), std::string(row.opened) + "\n");
    EXPECT_TRUE(m_tarnix.OwnedWindows().empty()) << "a message box showed";
}

INSTANTIATE_TEST_SUITE_P(Manual, ManualCaseTest, testing::ValuesIn(kManualCases),
                         [](const testing::TestParamInfo<ManualCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ManualTest, F1WithoutTheManualSaysFailedToLaunchHelp)
{
    ASSERT_NO_FATAL_FAILURE(StartCopy("C:\\no manual", false));
    ASSERT_NO_FATAL_FAILURE(AskForHelp(true));
    HWND box = m_tarnix.WaitForOwnedWindow("Tarnix");
    ASSERT_NE(box, nullptr);
    bool found = false;
    for (const e2e::ChildWindow& child : e2e::Children(box))
        found = found || child.text == "Failed to launch help.";
    EXPECT_TRUE(found);
    ASSERT_TRUE(PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(m_tarnix.Sync());
    EXPECT_TRUE(m_tarnix.IsRunning());
}

TEST_F(ManualTest, WebHelpWithoutTheManualStaysSilent)
{
    ASSERT_NO_FATAL_FAILURE(StartCopy("C:\\no manual", false));
    ASSERT_NO_FATAL_FAILURE(AskForHelp(false));
    EXPECT_TRUE(m_tarnix.Sync());
    EXPECT_TRUE(m_tarnix.OwnedWindows().empty()) << "a message box showed";
}

} // namespace
