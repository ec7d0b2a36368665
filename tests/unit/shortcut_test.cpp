// CShortCutTool against Wine's real shell: special folders, shell-link
// objects and the shell's delete operation.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <filesystem>
#include <set>

#include "common/shortcut.h"
#include "framework/module_path.h"
#include "support/paths.h"
#include "support/shortcut_fixture.h"

using namespace test_support;

namespace {

// Names of this test's own, so that nothing of the product's is touched.
const char kName[] = "Tolmic shortcut test";
const char kTarget[] = "C:\\Program Files\\Tolmic 2007\\Tolmic.exe";
const int kUnknownFolder = 0x7F;

struct Folder {
    const char* what;
    int csidl;
};
const Folder kFolders[] = {
    {"desktop", CSIDL_DESKTOP},
    {"start menu", CSIDL_STARTMENU},
    {"programs menu", CSIDL_PROGRAMS},
};

std::set<std::string> Listing(const std::string& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    return names;
}

// Makes `folder` the current folder until the object goes.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder)
    {
        char path[MAX_PATH];
        const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
        if (length > 0 && length < MAX_PATH)
            m_previous = path;
        EXPECT_TRUE(SetCurrentDirectoryA(folder.c_str())) << folder;
    }
    ~CurrentFolder() { SetCurrentDirectoryA(m_previous.c_str()); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::string m_previous;
};

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

class ShortCutTool : public ::testing::Test {
protected:
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    static void RemoveAll()
    {
        for (const char* name : {kName, "Tolmic shortcut test.lnk", "Tolmic shortcut tester", "Tolmic plain sample",
                                 "Tolmic full sample"})
            RemoveShortCutFiles(name);
    }

    CShortCutTool m_tool;
};

TEST_F(ShortCutTool, FolderPathsArePerUserAndEndInOneBackslash)
{
    const std::string profile = getenv("USERPROFILE") ? getenv("USERPROFILE") : "";
    ASSERT_FALSE(profile.empty());
    for (const Folder& f : kFolders) {
        SCOPED_TRACE(f.what);
        std::string path = "stale";
        ASSERT_TRUE(m_tool.GetSpecialFolderPath(f.csidl, path));
        EXPECT_EQ(path, SpecialFolder(f.csidl) + "\\");
        EXPECT_NE(path.substr(path.size() - 2), "\\\\");
        EXPECT_EQ(path.compare(0, profile.size() + 1, profile + "\\"), 0) << "not below " << profile;
    }

    std::string kept = "keep me";
    EXPECT_FALSE(m_tool.GetSpecialFolderPath(kUnknownFolder, kept));
    EXPECT_EQ(kept, "keep me");
}

TEST_F(ShortCutTool, CreateFindAndDeleteInEachFolder)
{
    for (const Folder& f : kFolders) {
        SCOPED_TRACE(f.what);
        const std::string file = ShortCutFile(f.csidl, kName);
        EXPECT_FALSE(m_tool.ShortCutExists(kName, f.csidl));

        ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, f.csidl, "", "", 1));
        ASSERT_TRUE(FileExists(file));
        EXPECT_TRUE(m_tool.ShortCutExists(kName, f.csidl));
        const LinkContents link = ReadLink(file);
        ASSERT_TRUE(link.loaded);
        EXPECT_EQ(link.target, kTarget);
        EXPECT_EQ(link.description, "");
        EXPECT_EQ(link.arguments, "");
        EXPECT_EQ(link.iconPath, "");

        EXPECT_TRUE(m_tool.DeleteShortCut(kName, f.csidl));
        EXPECT_FALSE(FileExists(file));
        EXPECT_FALSE(m_tool.ShortCutExists(kName, f.csidl));
        EXPECT_FALSE(m_tool.DeleteShortCut(kName, f.csidl)) << "nothing left to delete";
    }
}

TEST_F(ShortCutTool, ThisStandsForTheRunningProgramOnlyWhenSpelledExactly)
{
    std::string self;
    ASSERT_TRUE(GetOwnModulePath(self));
    const struct {
        const char* target;
        std::string expected;  // the whole target, or its ending for a relative one
    } cases[] = {
        {"_this", self},
        {"_This", "\\_This"},
        {" _this", "\\ _this"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        ASSERT_TRUE(m_tool.CreateShortCut(c.target, kName, CSIDL_DESKTOP, "", "", 1));
        const std::string target = ReadLink(ShortCutFile(CSIDL_DESKTOP, kName)).target;
        if (c.expected == self) {
            EXPECT_EQ(target, self);
        } else {
            EXPECT_NE(target, self);
            EXPECT_TRUE(EndsWith(target, c.expected)) << target;
        }
        EXPECT_TRUE(m_tool.DeleteShortCut(kName, CSIDL_DESKTOP));
    }
}

TEST_F(ShortCutTool, DescriptionAndIconAreWrittenAsGiven)
{
    const struct {
        const char* what;
        std::string description;
        std::string iconPath;
        int iconIndex;
        int expectedIconIndex;
    } cases[] = {
        {"empty description, no icon: the index has no effect", "", "", 5, 0},
        {"description and icon", "Expression calculator", "C:\\Program Files\\Tolmic 2007\\Tolmic.ico", 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, CSIDL_DESKTOP, c.description, c.iconPath, c.iconIndex));
        const LinkContents link = ReadLink(ShortCutFile(CSIDL_DESKTOP, kName));
        ASSERT_TRUE(link.loaded);
        EXPECT_EQ(link.description, c.description);
        EXPECT_EQ(link.iconPath, c.iconPath);
        EXPECT_EQ(link.iconIndex, c.expectedIconIndex);
        EXPECT_TRUE(m_tool.DeleteShortCut(kName, CSIDL_DESKTOP));
    }
}

TEST_F(ShortCutTool, ArgumentsGoIntoEveryShortCutOfTheSameObject)
{
    const std::string withArguments = "/mode \"long form\"";
    m_tool.SetArguments(withArguments);
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, CSIDL_DESKTOP, "", "", 1));
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, CSIDL_PROGRAMS, "", "", 1));
    EXPECT_EQ(ReadLink(ShortCutFile(CSIDL_DESKTOP, kName)).arguments, withArguments);
    EXPECT_EQ(ReadLink(ShortCutFile(CSIDL_PROGRAMS, kName)).arguments, withArguments);

    m_tool.SetArguments("");
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, CSIDL_STARTMENU, "", "", 1));
    EXPECT_EQ(ReadLink(ShortCutFile(CSIDL_STARTMENU, kName)).arguments, "");

    // Another object starts without any.
    CShortCutTool fresh;
    ASSERT_TRUE(fresh.CreateShortCut(kTarget, kName, CSIDL_DESKTOP, "", "", 1));
    EXPECT_EQ(ReadLink(ShortCutFile(CSIDL_DESKTOP, kName)).arguments, "");
}

TEST_F(ShortCutTool, ANameEndingInLnkGetsTheEndingTwice)
{
    const std::string name = std::string(kName) + ".lnk";
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, name, CSIDL_DESKTOP, "", "", 1));
    EXPECT_TRUE(FileExists(SpecialFolder(CSIDL_DESKTOP) + "\\Tolmic shortcut test.lnk.lnk"));
    EXPECT_FALSE(FileExists(ShortCutFile(CSIDL_DESKTOP, kName)));
    EXPECT_TRUE(m_tool.ShortCutExists(name, CSIDL_DESKTOP));
    EXPECT_FALSE(m_tool.ShortCutExists(kName, CSIDL_DESKTOP));

    EXPECT_TRUE(m_tool.DeleteShortCut(name, CSIDL_DESKTOP));
    EXPECT_FALSE(FileExists(SpecialFolder(CSIDL_DESKTOP) + "\\Tolmic shortcut test.lnk.lnk"));
}

TEST_F(ShortCutTool, AnUnknownSpecialFolderFailsEveryOperationAndTouchesNothing)
{
    // A shortcut of that name in the desktop and the current folder must
    // not be mistaken for one in the unknown folder.
    const std::string desktopFile = ShortCutFile(CSIDL_DESKTOP, kName);
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, kName, CSIDL_DESKTOP, "", "", 1));
    ScratchFolder scratch;
    CurrentFolder inScratch(scratch.Path());
    WriteFile(scratch / "Tolmic shortcut test.lnk", "not a link");

    std::vector<std::set<std::string>> before;
    for (const Folder& f : kFolders)
        before.push_back(Listing(SpecialFolder(f.csidl)));
    before.push_back(Listing(scratch.Path()));

    EXPECT_FALSE(m_tool.CreateShortCut(kTarget, kName, kUnknownFolder, "", "", 1));
    EXPECT_FALSE(m_tool.ShortCutExists(kName, kUnknownFolder));
    EXPECT_FALSE(m_tool.DeleteShortCut(kName, kUnknownFolder));

    std::vector<std::set<std::string>> after;
    for (const Folder& f : kFolders)
        after.push_back(Listing(SpecialFolder(f.csidl)));
    after.push_back(Listing(scratch.Path()));
    EXPECT_EQ(after, before);
    EXPECT_TRUE(FileExists(desktopFile));
    EXPECT_TRUE(FileExists(scratch / "Tolmic shortcut test.lnk"));
}

// The shell's delete would take a folder with everything in it: only a
// file is ever deleted, whatever stands at the path or however the name
// is spelled.
TEST_F(ShortCutTool, AFolderAtTheShortCutPathExistsButIsNeverDeleted)
{
    const std::string folder = ShortCutFile(CSIDL_DESKTOP, kName);
    const std::string inside = folder + "\\notes.txt";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFile(inside, "keep");
    // A real shortcut a wildcard name would match as well.
    ASSERT_TRUE(m_tool.CreateShortCut(kTarget, "Tolmic shortcut tester", CSIDL_DESKTOP, "", "", 1));
    const std::string neighbour = ShortCutFile(CSIDL_DESKTOP, "Tolmic shortcut tester");

    EXPECT_TRUE(m_tool.ShortCutExists(kName, CSIDL_DESKTOP));
    for (const char* name : {kName, "Tolmic shortcut te*", "Tolmic shortcut test?"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(m_tool.DeleteShortCut(name, CSIDL_DESKTOP));
        EXPECT_TRUE(FolderExists(folder));
        EXPECT_TRUE(FileExists(inside));
        EXPECT_TRUE(FileExists(neighbour));
    }
    // Nor is a shortcut saved over it.
    EXPECT_FALSE(m_tool.CreateShortCut(kTarget, kName, CSIDL_DESKTOP, "", "", 1));
    EXPECT_TRUE(FileExists(inside));
}

// The link file's UTF-16 path has a 260-character buffer, terminator
// included: a longer path is refused before anything is saved.
TEST_F(ShortCutTool, APathThatDoesNotFitIsNeverSavedCutOff)
{
    const std::string folder = SpecialFolder(CSIDL_DESKTOP) + "\\";
    const struct {
        size_t pathLength;
        bool saved;
    } cases[] = {{259, true}, {260, false}, {300, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pathLength);
        const std::string name(c.pathLength - folder.size() - 4, 'T');
        const std::set<std::string> before = Listing(folder);

        EXPECT_EQ(m_tool.CreateShortCut(kTarget, name, CSIDL_DESKTOP, "", "", 1), c.saved ? 1 : 0);

        std::set<std::string> added;
        for (const std::string& entry : Listing(folder))
            if (!before.count(entry))
                added.insert(entry);
        if (c.saved) {
            EXPECT_EQ(added, std::set<std::string>{name + ".lnk"});
            EXPECT_TRUE(m_tool.ShortCutExists(name, CSIDL_DESKTOP));
            EXPECT_TRUE(m_tool.DeleteShortCut(name, CSIDL_DESKTOP));
        } else {
            EXPECT_TRUE(added.empty()) << "saved as " << *added.begin();
            for (const std::string& entry : added)
                DeleteFileA((folder + entry).c_str());
        }
    }
}

// Saves two shortcuts where the lnkinfo check (a reader independent of the
// Windows shell) picks them up: one as the installer makes them, one with
// every property set.
TEST_F(ShortCutTool, SavesSamplesForTheLnkinfoCheck)
{
    const std::string samples = FromBuildTree(TOLMIC_LNK_SAMPLES);
    RemoveTree(samples);
    ASSERT_TRUE(CreateDirectoryA(samples.c_str(), nullptr));

    ASSERT_TRUE(m_tool.CreateShortCut("C:\\windows\\notepad.exe", "Tolmic plain sample", CSIDL_DESKTOP, "", "", 1));
    CShortCutTool withArguments;
    withArguments.SetArguments("/mode \"long form\"");
    ASSERT_TRUE(withArguments.CreateShortCut("C:\\windows\\notepad.exe", "Tolmic full sample", CSIDL_DESKTOP,
                                             "Expression calculator", "C:\\windows\\system32\\shell32.dll", 3));

    CopyFileOrFail(ShortCutFile(CSIDL_DESKTOP, "Tolmic plain sample"), samples + "\\plain.lnk");
    CopyFileOrFail(ShortCutFile(CSIDL_DESKTOP, "Tolmic full sample"), samples + "\\full.lnk");
}

}  // namespace
