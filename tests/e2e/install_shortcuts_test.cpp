// The real Install.exe's shortcut boxes and what closing its dialog does to
// the shortcut files, driven from this process.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "common/product.h"
#include "common/shortcut.h"
#include "resources/resource_ids.h"
#include "support/driver.h"
#include "support/paths.h"
#include "support/product_folder.h"
#include "support/registry_fixture.h"
#include "support/shortcut_fixture.h"

using namespace test_support;

namespace {

const char kDialogCaption[] = "Tolmic 2007 Install";
const char kMessageBoxCaption[] = "Install";
const char kConfirmation[] = "You are not installing any shortcuts. Are you sure?";
// Where shortcuts made before the run point: an earlier product folder.
const char kOldTarget[] = "C:\\Old Tolmic\\Tolmic.exe";

// Desktop, start menu, programs menu: columns are written as "110".
const int kFolders[] = {CSIDL_DESKTOP, CSIDL_STARTMENU, CSIDL_PROGRAMS};
const int kCurrentBoxes[] = {IDC_CUR_DESKTOP, IDC_CUR_STARTMENU, IDC_CUR_PROGRAMS};
const int kNewBoxes[] = {IDC_NEW_DESKTOP, IDC_NEW_STARTMENU, IDC_NEW_PROGRAMS};

std::string Column(HWND dialog, const int (&boxes)[3])
{
    std::string column;
    for (int id : boxes)
        column += IsTicked(dialog, id) ? '1' : '0';
    return column;
}

void TickNewColumn(HWND dialog, const std::string& wanted)
{
    for (size_t i = 0; i < 3; ++i)
        if (IsTicked(dialog, kNewBoxes[i]) != (wanted[i] == '1'))
            Click(dialog, kNewBoxes[i]);
}

std::string ShortCutsPresent()
{
    std::string present;
    for (int csidl : kFolders)
        present += FileExists(ShortCutFile(csidl)) ? '1' : '0';
    return present;
}

void MakeShortCuts(const std::string& which)
{
    CShortCutTool tool;
    for (size_t i = 0; i < 3; ++i)
        if (which[i] == '1') {
            ASSERT_TRUE(tool.CreateShortCut(kOldTarget, product::kShortCutName, kFolders[i], "", "", 1));
        }
}

void MarkInstalledBefore()
{
    WriteRawValue(product::kUninstallKey, "DisplayName", REG_SZ, std::string(product::kDisplayName) + '\0');
}

class InstallShortCuts : public ::testing::Test {
protected:
    void SetUp() override { ClearProductState(); }
    void TearDown() override { ClearProductState(); }
};

// The current column shows the shortcut files found at start; the new
// column starts from it, with the first-installation defaults and never all
// clear; "Close" makes the files match the new column and leaves shortcuts
// that stay ticked as they were.
TEST_F(InstallShortCuts, BoxesShowTheShortCutsAndCloseMakesTheNewColumnTrue)
{
    enum class Before { Nothing, Installed, NumberAsDisplayName };
    const struct {
        const char* what;
        Before registry;
        const char* present;
        const char* current;
        const char* offered;
        const char* ticked;  // what the user sets; null: left as offered
        const char* after;
    } cases[] = {
        {"first installation", Before::Nothing, "000", "000", "110", nullptr, "110"},
        {"first installation over a programs-menu shortcut", Before::Nothing, "001", "001", "111", nullptr, "111"},
        {"a display name that is not text counts as none", Before::NumberAsDisplayName, "000", "000", "110", nullptr,
         "110"},
        {"later run without shortcuts", Before::Installed, "000", "000", "100", nullptr, "100"},
        {"later run with all three", Before::Installed, "111", "111", "111", nullptr, "111"},
        {"later run with the programs menu only", Before::Installed, "001", "001", "001", nullptr, "001"},
        {"moving a shortcut", Before::Installed, "110", "110", "110", "011", "011"},
        {"first installation, the user's own choice", Before::Nothing, "011", "011", "111", "100", "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearProductState();
        if (c.registry == Before::Installed)
            MarkInstalledBefore();
        if (c.registry == Before::NumberAsDisplayName)
            WriteRawValue(product::kUninstallKey, "DisplayName", REG_DWORD, std::string("\x01\0\0\0", 4));
        MakeShortCuts(c.present);
        ProductFolder folder("tolmic shortcuts");

        RunningProgram install(folder.InstallExe());
        HWND dialog = install.WaitForDialog(kDialogCaption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Column(dialog, kCurrentBoxes), c.current);
        EXPECT_EQ(Column(dialog, kNewBoxes), c.offered);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_FALSE(IsControlEnabled(dialog, kCurrentBoxes[i]));
            EXPECT_TRUE(IsControlEnabled(dialog, kNewBoxes[i]));
        }
        if (c.ticked)
            TickNewColumn(dialog, c.ticked);
        PostClick(dialog, IDCANCEL);
        EXPECT_EQ(install.WaitForExit(), 0u);

        EXPECT_EQ(ShortCutsPresent(), c.after);
        for (size_t i = 0; i < 3; ++i) {
            if (c.after[i] != '1')
                continue;
            SCOPED_TRACE(i);
            const LinkContents link = ReadLink(ShortCutFile(kFolders[i]));
            EXPECT_EQ(link.target, c.present[i] == '1' ? std::string(kOldTarget) : folder.ProgramFile());
            EXPECT_EQ(link.description, "");
            EXPECT_EQ(link.arguments, "");
            EXPECT_EQ(link.iconPath, "");
        }
    }
}

TEST_F(InstallShortCuts, EscapeAndTheCloseBoxCloseLikeTheCloseButton)
{
    const struct {
        const char* what;
        void (*close)(HWND);
    } cases[] = {{"Escape", PressEscape}, {"close box", PressCloseBox}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearProductState();
        ProductFolder folder("tolmic escape");

        RunningProgram install(folder.InstallExe());
        HWND dialog = install.WaitForDialog(kDialogCaption);
        ASSERT_NE(dialog, nullptr);
        c.close(dialog);
        EXPECT_EQ(install.WaitForExit(), 0u);
        EXPECT_EQ(ShortCutsPresent(), "110");
    }
}

// An all-clear choice is confirmed first: No keeps the dialog open with the
// user's boxes and nothing changed, Yes removes every shortcut.
TEST_F(InstallShortCuts, ClearingEveryBoxAsksFirst)
{
    MarkInstalledBefore();
    MakeShortCuts("111");
    ProductFolder folder("tolmic clear all");
    RunningProgram install(folder.InstallExe());
    HWND dialog = install.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    TickNewColumn(dialog, "000");

    PostClick(dialog, IDCANCEL);
    HWND box = install.WaitForDialog(kMessageBoxCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kConfirmation);
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    PostClick(box, IDNO);
    ASSERT_TRUE(install.WaitForDialogToClose(kMessageBoxCaption));

    EXPECT_EQ(install.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(Column(dialog, kNewBoxes), "000");
    EXPECT_EQ(ShortCutsPresent(), "111");

    PostClick(dialog, IDCANCEL);
    box = install.WaitForDialog(kMessageBoxCaption);
    ASSERT_NE(box, nullptr);
    PostClick(box, IDYES);
    EXPECT_EQ(install.WaitForExit(), 0u);
    EXPECT_EQ(ShortCutsPresent(), "000");
}

struct BoxCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountBox(HWND window, LPARAM param)
{
    auto* boxes = reinterpret_cast<BoxCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == boxes->processId && IsWindowVisible(window) && WindowText(window) == kMessageBoxCaption)
        ++boxes->count;
    return TRUE;
}

int OpenBoxes(const RunningProgram& program)
{
    BoxCount boxes{program.ProcessId(), 0};
    EnumWindows(CountBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes.count;
}

// The confirmation belongs to the dialog, which it disables: a second
// "Close" (from another program, the taskbar or the close box) while it is
// open neither opens another box nor applies the shortcuts twice.
TEST_F(InstallShortCuts, TheConfirmationIsOwnedByTheDialogAndTakesNoSecondClose)
{
    MarkInstalledBefore();
    MakeShortCuts("111");
    ProductFolder folder("tolmic second close");
    RunningProgram install(folder.InstallExe());
    HWND dialog = install.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    TickNewColumn(dialog, "000");

    PostClick(dialog, IDCANCEL);
    HWND box = install.WaitForDialog(kMessageBoxCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));

    PressEscape(dialog);
    PressCloseBox(dialog);
    PostClick(dialog, IDCANCEL);
    Sleep(1000);
    EXPECT_EQ(OpenBoxes(install), 1);

    PostClick(box, IDYES);
    EXPECT_EQ(install.WaitForExit(), 0u);
    EXPECT_EQ(ShortCutsPresent(), "000");
}

// A folder where the desktop shortcut belongs shows as a shortcut, but
// clearing its box must not delete the folder and what is in it.
TEST_F(InstallShortCuts, AFolderInPlaceOfTheDesktopShortCutIsLeftIntact)
{
    MarkInstalledBefore();
    const std::string impostor = ShortCutFile(CSIDL_DESKTOP);
    ASSERT_TRUE(CreateDirectoryA(impostor.c_str(), nullptr));
    WriteFile(impostor + "\\notes.txt", "the user's own");
    ProductFolder folder("tolmic impostor");

    RunningProgram install(folder.InstallExe());
    HWND dialog = install.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Column(dialog, kCurrentBoxes), "100");
    TickNewColumn(dialog, "000");
    PostClick(dialog, IDCANCEL);
    HWND box = install.WaitForDialog(kMessageBoxCaption);
    ASSERT_NE(box, nullptr);
    PostClick(box, IDYES);
    EXPECT_EQ(install.WaitForExit(), 0u);

    EXPECT_TRUE(FolderExists(impostor));
    EXPECT_TRUE(FileExists(impostor + "\\notes.txt"));
    EXPECT_FALSE(FileExists(ShortCutFile(CSIDL_STARTMENU)));
    EXPECT_FALSE(FileExists(ShortCutFile(CSIDL_PROGRAMS)));
}

}  // namespace
