// UnInstall.exe started from a product folder and driven from this process:
// what it lists, what it refuses, and what a removal leaves behind.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>

#include "common/product.h"
#include "common/shortcut.h"
#include "resources/resource_ids.h"
#include "support/driver.h"
#include "support/paths.h"
#include "support/registry_fixture.h"
#include "support/removal.h"
#include "support/shortcut_fixture.h"
#include "support/unix_links.h"
#include "uninstall/message_list.h"

using namespace test_support;

namespace {

const char kDialogCaption[] = "Tolmic 2007 Remove";
const char kVarnethKey[] = "SOFTWARE\\Orlund\\Varneth";
const char kOrlundKey[] = "SOFTWARE\\Orlund";
const int kShortCutFolders[] = {CSIDL_DESKTOP, CSIDL_STARTMENU, CSIDL_PROGRAMS};
const char kRemoved[] = "Tolmic 2007 removed.";

// What Install and the product leave on the system: the uninstall entry,
// the maker's keys and the three shortcuts.
void SeedProductState(const std::string& folder)
{
    WriteRawValue(product::kUninstallKey, "DisplayName", REG_SZ, std::string(product::kDisplayName) + '\0');
    WriteRawValue(kVarnethKey, "Version", REG_SZ, std::string("1.0") + '\0');
    CShortCutTool shortCuts;
    for (int csidl : kShortCutFolders)
        ASSERT_TRUE(shortCuts.CreateShortCut(JoinPath(folder, "Tolmic.exe"), product::kShortCutName, csidl, "", "", 1));
}

void ExpectProductStateKept()
{
    EXPECT_TRUE(KeyExists(product::kUninstallKey));
    EXPECT_TRUE(KeyExists(kVarnethKey));
    CShortCutTool shortCuts;
    for (int csidl : kShortCutFolders)
        EXPECT_TRUE(shortCuts.ShortCutExists(product::kShortCutName, csidl)) << "shortcut in CSIDL " << csidl;
}

void ExpectProductStateGone()
{
    EXPECT_FALSE(KeyExists(product::kUninstallKey));
    EXPECT_FALSE(KeyExists(kOrlundKey)) << "Varneth and then Orlund must go";
    CShortCutTool shortCuts;
    for (int csidl : kShortCutFolders)
        EXPECT_FALSE(shortCuts.ShortCutExists(product::kShortCutName, csidl)) << "shortcut in CSIDL " << csidl;
}

void ExpectRefused(const Removal& run, const std::string& folder, const std::string& reason)
{
    EXPECT_EQ(run.openingLines, OpeningLines(folder));
    EXPECT_EQ(run.lines, OpeningLines(folder) + Lines({reason}));
    EXPECT_FALSE(run.removeEnabled);
    EXPECT_EQ(run.otherButton, "Close");
    EXPECT_FALSE(run.scriptWritten);
}

using UnInstallRun = UnInstallTest;

TEST_F(UnInstallRun, WithoutTheProgramFileItSaysSoAndEndsWithCode1)
{
    ScratchFolder folder("uninstall no product");
    CopyFileOrFail(UnInstallExe(), folder / "UnInstall.exe");

    RunningProgram uninstall(folder / "UnInstall.exe");
    HWND box = uninstall.WaitForDialog("UnInstall");
    ASSERT_NE(box, nullptr) << "no message box titled \"UnInstall\"";
    EXPECT_EQ(MessageBoxText(box), "Cannot find original install folder?");
    PostClick(box, IDOK);
    EXPECT_EQ(uninstall.WaitForExit(), 1u);
}

TEST_F(UnInstallRun, ListsTheFolderAndCancelChangesNothing)
{
    ScratchFolder folder("tolmic opening lines of a product folder with a long name");
    PlaceProgramFiles(folder.Path());
    MakeTree(folder.Path(), {"data\\a.txt"});
    SeedProductState(folder.Path());
    const std::vector<std::string> before = TreeEntries(folder.Path());

    RunningProgram uninstall(folder / "UnInstall.exe");
    HWND dialog = uninstall.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::string> lines = ListBoxLines(dialog, IDC_MESSAGES);
    ASSERT_GT(folder.Path().size(), 50u);
    EXPECT_EQ(lines, OpeningLines(folder.Path()));
    EXPECT_EQ(lines.size(), 1 + (folder.Path().size() + 49) / 50) << "the path spread over several lines";
    EXPECT_TRUE(IsControlEnabled(dialog, IDOK));
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "Cancel");

    Click(dialog, IDCANCEL);
    EXPECT_EQ(uninstall.WaitForExit(), 0u);
    EXPECT_EQ(TreeEntries(folder.Path()), before);
    ExpectProductStateKept();
    EXPECT_FALSE(FileExists(CleanupScript()));
}

// Blanks, "%", "&" and brackets in the path must reach the clean-up script
// unharmed: the folder disappears completely after "Close".
TEST_F(UnInstallRun, RemovesFilesKeysShortcutsAndFinallyTheFolder)
{
    ScratchFolder folder("Tolmic 2007 100% & (x) %PATH%");
    PlaceProgramFiles(folder.Path());
    MakeTree(folder.Path(), {"Install.exe", "help\\Tolmic.chm", "data\\deeper\\table.bin", "empty\\"});
    SeedProductState(folder.Path());

    RunningProgram uninstall(folder / "UnInstall.exe");
    HWND dialog = uninstall.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    EXPECT_EQ(ListBoxLines(dialog, IDC_MESSAGES), OpeningLines(folder.Path()) + Lines({kRemoved}));
    EXPECT_FALSE(IsControlEnabled(dialog, IDOK));
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "Close");
    EXPECT_EQ(TreeEntries(folder.Path()), std::vector<std::string>{"UnInstall.exe"});
    ExpectProductStateGone();

    Click(dialog, IDCANCEL);
    EXPECT_EQ(uninstall.WaitForExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(folder.Path()) && !FileExists(CleanupScript()); }))
        << "left: " << testing::PrintToString(TreeEntries(folder.Path()));
}

TEST_F(UnInstallRun, ALockedFileIsReportedAndEverythingElseStillHappens)
{
    ScratchFolder folder("tolmic locked");
    PlaceProgramFiles(folder.Path());
    MakeTree(folder.Path(), {"readme.txt", "data\\locked.txt", "data\\other.txt"});
    SeedProductState(folder.Path());
    UniqueFileHandle locked(
        CreateFileA((folder / "data\\locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked.IsValid());

    const Removal run = RunRemoval(folder / "UnInstall.exe");
    EXPECT_EQ(run.lines, OpeningLines(folder.Path()) +
                             Lines({"locked.txt: " + GetSystemErrorText(ERROR_SHARING_VIOLATION),
                                    folder / "data" + ": " + GetSystemErrorText(ERROR_DIR_NOT_EMPTY),
                                    "All files and/or folders could not be deleted.", kRemoved}));
    EXPECT_TRUE(run.scriptWritten);
    ExpectProductStateGone();

    // The script deletes the program file; the folder, not empty, stays.
    EXPECT_TRUE(WaitUntil([] { return !FileExists(CleanupScript()); }));
    EXPECT_EQ(TreeEntries(folder.Path()), (std::vector<std::string>{"data\\", "data\\locked.txt"}));
}

TEST_F(UnInstallRun, AFolderNamedLikeTheDesktopShortcutIsLeftAlone)
{
    const std::string impostor = JoinPath(SpecialFolder(CSIDL_DESKTOPDIRECTORY), "Tolmic 2007.lnk");
    RemoveTree(impostor);
    RemovedAtEnd cleanup({impostor});
    ASSERT_TRUE(CreateDirectoryA(impostor.c_str(), nullptr));
    MakeTree(impostor, {"notes.txt"});
    ScratchFolder folder("tolmic impostor");
    PlaceProgramFiles(folder.Path());
    CShortCutTool shortCuts;
    ASSERT_TRUE(shortCuts.CreateShortCut(folder / "Tolmic.exe", product::kShortCutName, CSIDL_PROGRAMS, "", "", 1));

    const Removal run = RunRemoval(folder / "UnInstall.exe");
    EXPECT_EQ(run.lines, OpeningLines(folder.Path()) + Lines({"Could not delete desktop shortcut?", kRemoved}));
    EXPECT_EQ(TreeEntries(impostor), std::vector<std::string>{"notes.txt"});
    EXPECT_FALSE(shortCuts.ShortCutExists(product::kShortCutName, CSIDL_PROGRAMS));
    EXPECT_TRUE(WaitUntil([] { return !FileExists(CleanupScript()); }));
}

TEST_F(UnInstallRun, GuardedFoldersAreRefusedWithNothingChanged)
{
    const struct {
        const char* what;
        const char* folderName;
        std::initializer_list<std::string> tree;
        bool fromDriveRoot;
        const char* reason;
    } cases[] = {
        {"Kestova in the path", "Work Kestova2 Tolmic", {"readme.txt", "data\\table.bin"}, false,
         "Protecting Kestova! Change path name!"},
        {"source file three levels down", "tolmic sources", {"readme.txt", "src\\engine\\core\\Parser.Cpp"}, false,
         "There are some source files? Delete them first!"},
        {"drive root", "tolmic drive", {"readme.txt", "data\\table.bin"}, true,
         "Protecting drive root! Change path name!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder(c.folderName);
        PlaceProgramFiles(folder.Path());
        MakeTree(folder.Path(), c.tree);
        SeedProductState(folder.Path());
        const std::vector<std::string> before = TreeEntries(folder.Path());

        std::string productFolder = folder.Path();
        std::unique_ptr<MappedDrive> drive;
        if (c.fromDriveRoot) {
            drive = std::make_unique<MappedDrive>(folder.Path());
            ASSERT_TRUE(drive->Made()) << "could not map a drive letter";
            productFolder = drive->Drive();
        }
        const Removal run = RunRemoval(JoinPath(productFolder, "UnInstall.exe"));
        ExpectRefused(run, productFolder, c.reason);
        EXPECT_EQ(TreeEntries(folder.Path()), before);
        ExpectProductStateKept();
        ClearProductState();
    }
}

// Programs copied into the user's and the system's own folders. Each holds a
// source file too: were the system-folder guard broken, the source-file
// guard would still refuse, so that no real folder of the test prefix is
// ever purged. A folder below Program Files stays removable.
TEST_F(UnInstallRun, FoldersThatHoldTheUsersOrSystemsFoldersAreRefused)
{
    const std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    const std::string profile = SpecialFolder(CSIDL_PROFILE);
    std::string temp = TemporaryFolder();
    temp.pop_back();
    std::string desktopMixedCase = desktop;
    CharLowerBuffA(&desktopMixedCase[0], static_cast<DWORD>(desktopMixedCase.size()));
    desktopMixedCase.replace(desktopMixedCase.size() - 7, 7, "DESKTOP");

    const char* const placed[] = {"UnInstall.exe", "Tolmic.exe", "tolmic-keep.txt", "tolmic-guard.h"};
    for (const std::string& folder : {desktop, profile, profile.substr(0, profile.rfind('\\')), temp, desktopMixedCase}) {
        SCOPED_TRACE(folder);
        std::vector<std::string> placedPaths;
        for (const char* name : placed)
            placedPaths.push_back(JoinPath(folder, name));
        RemovedAtEnd cleanup(placedPaths);
        PlaceProgramFiles(folder);
        MakeTree(folder, {"tolmic-keep.txt", "tolmic-guard.h"});

        const Removal run = RunRemoval(JoinPath(folder, "UnInstall.exe"));
        ASSERT_EQ(run.lines.size(), run.openingLines.size() + 1);
        EXPECT_EQ(run.lines.back(), "Protecting system folder! Change path name!");
        EXPECT_FALSE(run.removeEnabled);
        EXPECT_EQ(run.otherButton, "Close");
        EXPECT_FALSE(run.scriptWritten);
        for (const std::string& path : placedPaths)
            EXPECT_TRUE(FileExists(path)) << path;
    }

    const std::string below = JoinPath(SpecialFolder(CSIDL_PROGRAM_FILES),
                                       "Tolmic 2007 test " + std::to_string(GetCurrentProcessId()));
    ASSERT_TRUE(CreateDirectoryA(below.c_str(), nullptr));
    RemovedAtEnd cleanup({below});
    PlaceProgramFiles(below);
    MakeTree(below, {"tolmic-keep.txt", "data\\table.bin"});
    const Removal run = RunRemoval(JoinPath(below, "UnInstall.exe"));
    EXPECT_EQ(run.lines, OpeningLines(below) + Lines({kRemoved}));
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(below) && !FileExists(CleanupScript()); }));
}

}  // namespace
