// UnInstall.exe copied into folders the shell knows, started under their own
// names and under other ones: every run is refused and nothing there changes.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

#include "support/environment.h"
#include "support/known_folders.h"
#include "support/paths.h"
#include "support/removal.h"
#include "support/shortcut_fixture.h"
#include "support/unix_links.h"

using namespace test_support;

namespace {

const char kRefusal[] = "Protecting system folder! Change path name!";

// Besides the program files, a file to keep and a source file: were the
// system-folder guard broken, the source-file guard would still refuse, so
// that no real folder of the test prefix is ever purged.
const char* const kPlacedFiles[] = {"UnInstall.exe", "Tolmic.exe", "tolmic-keep.txt", "tolmic-guard.h"};

using UnInstallGuard = UnInstallTest;

// `folder` is where the files go; `startedAs` the same folder as the
// program is started from it.
void ExpectRefusedWithNothingChanged(const std::string& folder, const std::string& startedAs)
{
    ASSERT_TRUE(FolderExists(folder)) << folder;
    std::vector<std::string> placed;
    for (const char* name : kPlacedFiles)
        placed.push_back(JoinPath(folder, name));
    RemovedAtEnd cleanup(placed);
    const std::vector<std::string> before = TreeEntries(folder);
    PlaceProgramFiles(folder);
    MakeTree(folder, {"tolmic-keep.txt", "tolmic-guard.h"});

    const Removal run = RunRemoval(JoinPath(startedAs, "UnInstall.exe"));
    EXPECT_EQ(run.lines, OpeningLines(startedAs) + Lines({kRefusal}));
    EXPECT_FALSE(run.removeEnabled);
    EXPECT_EQ(run.otherButton, "Close");
    EXPECT_FALSE(run.scriptWritten);
    for (const std::string& path : placed)
        EXPECT_TRUE(FileExists(path)) << path;
    // Other tests may add to these folders meanwhile, never take away.
    const std::vector<std::string> after = TreeEntries(folder);
    for (const std::string& entry : before)
        EXPECT_NE(std::find(after.begin(), after.end(), entry), after.end()) << JoinPath(folder, entry) << " went";
}

TEST_F(UnInstallGuard, RefusesFoldersTheShellKnows)
{
    const struct {
        const char* what;
        std::string folder;
    } cases[] = {
        {"64-bit Program Files", EnvironmentVariable("ProgramW6432")},
        {"Downloads", KnownFolder(FOLDERID_Downloads)},
        {"public folder", KnownFolder(FOLDERID_Public)},
        {"public Documents", KnownFolder(FOLDERID_PublicDocuments)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.folder.empty()) << "the shell gives no such folder";
        ExpectRefusedWithNothingChanged(c.folder, c.folder);
    }
}

// As Windows links C:\Documents and Settings to C:\Users, and as a subst
// drive does.
TEST_F(UnInstallGuard, RefusesTheDesktopReachedThroughAnotherName)
{
    const std::string profile = SpecialFolder(CSIDL_PROFILE);
    const std::string user = profile.substr(profile.rfind('\\') + 1);
    const std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    const std::string alias = "C:\\Documents and Settings";
    ASSERT_EQ(GetFileAttributesA(alias.c_str()), INVALID_FILE_ATTRIBUTES) << alias << " is there already";
    FolderLink users(alias, Parent(profile));
    ASSERT_TRUE(users.Made()) << "could not make the link from the Linux side";
    MappedDrive drive(profile);
    ASSERT_TRUE(drive.Made()) << "could not map a drive letter";

    for (const std::string& startedAs : {alias + "\\" + user + "\\Desktop", drive.Drive() + "\\Desktop"}) {
        SCOPED_TRACE(startedAs);
        ExpectRefusedWithNothingChanged(desktop, startedAs);
    }
}

}  // namespace
