// Which product folders the uninstaller refuses to purge.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <iostream>
#include <set>

#include "support/environment.h"
#include "support/known_folders.h"
#include "support/paths.h"
#include "support/removal.h"
#include "support/shortcut_fixture.h"
#include "support/unix_links.h"
#include "uninstall/folder_guards.h"

using namespace test_support;

namespace {

std::string UpperCase(std::string text)
{
    CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string LowerCase(std::string text)
{
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string ShortForm(const std::string& path)
{
    char shortName[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), shortName, MAX_PATH);
    EXPECT_TRUE(length > 0 && length < MAX_PATH) << path;
    return length > 0 && length < MAX_PATH ? std::string(shortName, length) : path;
}

// The 64-bit Program Files: a 32-bit process's CSIDLs name "(x86)" instead.
std::string ProgramFiles64()
{
    const std::string folder = EnvironmentVariable("ProgramW6432");
    EXPECT_FALSE(folder.empty()) << "ProgramW6432 is not set";
    return folder;
}

TEST(FolderGuards, DriveAndShareRootsAreRecognised)
{
    const struct {
        const char* folder;
        bool root;
    } cases[] = {
        {"C:", true},
        {"x:", true},
        {"C:\\", true},
        {"\\\\server\\share", true},
        {"\\\\server\\share\\", true},
        {"\\\\server", true},
        {"\\\\?\\C:", true},
        {"\\\\?\\UNC\\server\\share", true},
        {"C:\\Tolmic 2007", false},
        {"\\\\server\\share\\Tolmic 2007", false},
        {"\\\\?\\C:\\Tolmic 2007", false},
        {"CD:", false},
        {"1:", false},
        {"Tolmic", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDriveRoot(c.folder), c.root) << c.folder;
}

TEST(FolderGuards, AboveComparesWholeComponentsInAnyCase)
{
    const struct {
        const char* folder;
        const char* other;
        bool above;
    } cases[] = {
        {"C:\\Program Files", "C:\\Program Files", true},
        {"c:\\program files\\", "C:\\PROGRAM FILES", true},
        {"C:\\Users", "C:\\Users\\someone\\Desktop", true},
        {"C:", "C:\\Windows", true},
        {"C:\\Prog", "C:\\Program Files", false},
        {"C:\\Program Files\\Tolmic 2007", "C:\\Program Files", false},
        {"D:\\Program Files", "C:\\Program Files", false},
        {"\\\\?\\C:\\Users", "C:\\Users\\someone", true},
        {"", "C:\\Windows", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSameOrAbove(c.folder, c.other), c.above) << c.folder << " / " << c.other;
}

TEST(FolderGuards, ProtectsTheShellsFoldersAndWhatHoldsThemButNotWhatLiesBelow)
{
    const std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    const std::string documents = SpecialFolder(CSIDL_PERSONAL);
    const std::string programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    const std::string temp = TemporaryFolder();
    std::string mixedCase = desktop;
    CharLowerBuffA(&mixedCase[0], static_cast<DWORD>(mixedCase.size()));
    mixedCase[0] = static_cast<char>(toupper(mixedCase[0]));

    const struct {
        std::string folder;
        bool protectedFolder;
    } cases[] = {
        {desktop, true},
        {desktop + "\\", true},
        {mixedCase, true},
        {Parent(documents), true},
        {Parent(Parent(documents)), true},
        {SpecialFolder(CSIDL_WINDOWS), true},
        {SpecialFolder(CSIDL_SYSTEM), true},
        {SpecialFolder(CSIDL_APPDATA), true},
        {SpecialFolder(CSIDL_COMMON_APPDATA), true},
        {SpecialFolder(CSIDL_PROGRAMS), true},
        {programFiles, true},
        {temp, true},
        {programFiles + "\\Tolmic 2007", false},
        {programFiles.substr(0, programFiles.size() - 2), false},
        {desktop + "\\Tolmic 2007", false},
        {JoinPath(temp, "tolmic-test"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HoldsWellKnownFolder(c.folder), c.protectedFolder) << c.folder;
}

TEST(FolderGuards, ShortNamesAreComparedByTheirLongForm)
{
    const std::string programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    char shortName[MAX_PATH];
    const DWORD length = GetShortPathNameA(programFiles.c_str(), shortName, MAX_PATH);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    ASSERT_NE(std::string(shortName), programFiles) << "no 8.3 alias to test with";
    EXPECT_TRUE(HoldsWellKnownFolder(shortName)) << shortName;
}

// The folders that a fixed list missed, and then every folder the shell
// knows: each one and the folder that holds it are refused.
TEST(FolderGuards, RefusesEveryFolderTheShellKnowsAndItsParent)
{
    const struct {
        const char* what;
        std::string folder;
    } named[] = {
        {"Downloads", KnownFolder(FOLDERID_Downloads)},
        {"Music", KnownFolder(FOLDERID_Music)},
        {"Pictures", KnownFolder(FOLDERID_Pictures)},
        {"Videos", KnownFolder(FOLDERID_Videos)},
        {"Favorites", KnownFolder(FOLDERID_Favorites)},
        {"Saved Games", KnownFolder(FOLDERID_SavedGames)},
        {"public folder", KnownFolder(FOLDERID_Public)},
        {"public Desktop", KnownFolder(FOLDERID_PublicDesktop)},
        {"public Documents", KnownFolder(FOLDERID_PublicDocuments)},
        {"64-bit Program Files", ProgramFiles64()},
        {"64-bit Common Files", EnvironmentVariable("CommonProgramW6432")},
    };
    for (const auto& c : named) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.folder.empty()) << "the shell gives no such folder";
        EXPECT_TRUE(HoldsWellKnownFolder(c.folder)) << c.folder;
        EXPECT_TRUE(HoldsWellKnownFolder(Parent(c.folder))) << Parent(c.folder);
    }

    size_t idCount = 0;
    const std::vector<std::string> known = KnownFolderPaths(&idCount);
    std::set<std::wstring> distinct;
    const std::vector<WideString> guarded = ProtectedFolders();
    for (const WideString& folder : guarded) {
        std::wstring upper(folder.begin(), folder.end());
        CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
        distinct.insert(upper);
    }
    std::cout << "known folders: " << idCount << " ids, " << known.size() << " with a file-system path; the guard "
              << "protects " << guarded.size() << " paths (" << distinct.size() << " distinct)\n";
    EXPECT_GE(known.size(), 40u) << "too few known folders for the test to mean anything";
    std::set<std::string> checked;
    for (const std::string& folder : known) {
        for (const std::string& path : {folder, Parent(folder)}) {
            if (checked.insert(UpperCase(path)).second) {
                EXPECT_TRUE(HoldsWellKnownFolder(path)) << path;
            }
        }
    }
}

// A protected folder reached through a folder link, a drive letter, another
// letter case or its 8.3 name is still the same folder.
TEST(FolderGuards, RefusesAProtectedFolderUnderAnyOtherName)
{
    const std::string profile = SpecialFolder(CSIDL_PROFILE);
    const std::string user = profile.substr(profile.rfind('\\') + 1);
    const std::string alias = "C:\\tolmic users alias " + std::to_string(GetCurrentProcessId());
    FolderLink users(alias, Parent(profile));
    ASSERT_TRUE(users.Made()) << alias;
    MappedDrive drive(profile);
    ASSERT_TRUE(drive.Made()) << "could not map a drive letter to " << profile;

    const std::string downloads = KnownFolder(FOLDERID_Downloads);
    const std::string savedGames = KnownFolder(FOLDERID_SavedGames);
    const std::string folders[] = {
        alias,
        JoinPath(alias, user),
        JoinPath(alias, user + "\\Desktop"),
        JoinPath(alias, user + "\\Downloads\\"),
        drive.Drive(),
        drive.Drive() + "\\Desktop",
        drive.Drive() + "\\Saved Games",
        LowerCase(downloads),
        UpperCase(ProgramFiles64()),
        ShortForm(savedGames),
        ShortForm(ProgramFiles64()),
        ShortForm(KnownFolder(FOLDERID_PublicDocuments)),
    };
    for (const std::string& folder : folders)
        EXPECT_TRUE(HoldsWellKnownFolder(folder)) << folder;
}

// Real folders, so that their identity is read and compared too.
TEST(FolderGuards, AllowsFoldersBelowOrBesideAProtectedOne)
{
    const std::string tag = " tolmic " + std::to_string(GetCurrentProcessId());
    const std::string profile = SpecialFolder(CSIDL_PROFILE);
    const std::string desktopChild = JoinPath(SpecialFolder(CSIDL_DESKTOPDIRECTORY), "Tolmic 2007" + tag);
    const std::string programFilesChild = JoinPath(ProgramFiles64(), "Tolmic 2007" + tag);
    const std::string downloadsSibling = KnownFolder(FOLDERID_Downloads) + tag;
    const std::string programFilesSibling = ProgramFiles64() + tag;
    const std::string publicChild = JoinPath(KnownFolder(FOLDERID_Public), "Tolmic 2007" + tag);
    RemovedAtEnd cleanup({desktopChild, programFilesChild, downloadsSibling, programFilesSibling, publicChild});
    for (const std::string& folder : {desktopChild, programFilesChild, downloadsSibling, programFilesSibling, publicChild})
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    MappedDrive drive(profile);
    ASSERT_TRUE(drive.Made()) << "could not map a drive letter to " << profile;

    const std::string folders[] = {
        desktopChild,
        programFilesChild,
        ShortForm(programFilesChild),
        downloadsSibling,
        programFilesSibling,
        publicChild,
        drive.Drive() + "\\Desktop\\Tolmic 2007" + tag,
    };
    for (const std::string& folder : folders) {
        EXPECT_TRUE(FolderExists(folder)) << folder;
        EXPECT_FALSE(HoldsWellKnownFolder(folder)) << folder;
    }
}

}  // namespace
