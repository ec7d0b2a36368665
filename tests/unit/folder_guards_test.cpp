// Which product folders the uninstaller refuses to purge.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "support/paths.h"
#include "support/shortcut_fixture.h"
#include "uninstall/folder_guards.h"

using namespace test_support;

namespace {

std::string Parent(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
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

}  // namespace
