// Reading shortcuts back and canonical path names, against Wine's real file
// system and shell.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "common/shortcut.h"
#include "support/paths.h"

using namespace test_support;

namespace {

const char kUntouched[] = "untouched";

// Every letter after the drive root in the other case: the same length,
// a different spelling of the same path.
std::string OtherCase(std::string path)
{
    for (size_t i = 3; i < path.size(); ++i) {
        const char c = path[i];
        if (c >= 'a' && c <= 'z')
            path[i] = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            path[i] = static_cast<char>(c - 'A' + 'a');
    }
    return path;
}

std::string ShortForm(const std::string& path)
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    EXPECT_TRUE(length > 0 && length < MAX_PATH) << path;
    return buffer;
}

std::string CurrentFolder()
{
    char buffer[MAX_PATH] = {};
    EXPECT_GT(GetCurrentDirectoryA(MAX_PATH, buffer), 0u);
    return buffer;
}

// A folder and a file with long, mixed-case names, so that 8.3 aliases and
// stored letter case both matter.
class LongNames {
public:
    LongNames() : m_folder(m_scratch / "Long Folder Name"), m_file(m_folder + "\\MixedCase File.text")
    {
        EXPECT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
        WriteFile(m_file, "x");
    }
    const std::string& Base() const { return m_scratch.Path(); }
    const std::string& Folder() const { return m_folder; }
    const std::string& File() const { return m_file; }

private:
    ScratchFolder m_scratch{"Tolmic Resolve"};
    std::string m_folder;
    std::string m_file;
};

TEST(GetTruePathName, SpellsExistingDrivePathsAsStoredAndRefusesOtherForms)
{
    const LongNames names;
    std::string forwardSlashes = names.File();
    std::replace(forwardSlashes.begin(), forwardSlashes.end(), '\\', '/');
    const std::string aliases = ShortForm(names.File());
    ASSERT_NE(aliases.find('~'), std::string::npos) << "no 8.3 aliases: " << aliases;
    const std::string currentDriveRooted = CurrentFolder().substr(2);

    struct Spelled {
        const char* what;
        std::string path;
        std::string expected;
    };
    const Spelled spelled[] = {
        {"drive alone", "c:", "c:"},
        {"drive root keeps its letter case", "c:\\", "c:\\"},
        {"folder without a trailing separator", names.Folder(), names.Folder()},
        {"file", names.File(), names.File()},
        {"forward slashes", forwardSlashes, names.File()},
        {"other letter case in every component", OtherCase(names.File()), names.File()},
        {"8.3 aliases", aliases, names.File()},
    };
    for (const Spelled& c : spelled) {
        SCOPED_TRACE(std::string(c.what) + ": " + c.path);
        std::string canonical = kUntouched;
        EXPECT_EQ(CShortCutTool().GetTruePathName(c.path, canonical), static_cast<int>(c.expected.size()));
        EXPECT_EQ(canonical, c.expected);
    }

    struct Refused {
        const char* what;
        std::string path;
        bool exists;  // so that the 0 comes from the path's form alone
    };
    const Refused refused[] = {
        {"empty", "", false},
        {"missing component", names.Base() + "\\Missing\\MixedCase File.text", false},
        {"wildcard matching a component", names.Base() + "\\Long*", false},
        {"drive-relative", "C:windows", true},
        {"network form", "\\\\?\\" + names.File(), true},
        {"current drive's root", "\\", true},
        {"rooted on the current drive", currentDriveRooted, true},
        {"relative", ".", true},
        {"trailing backslash", names.Folder() + "\\", true},
        {"two backslashes in a row", names.Base() + "\\\\Long Folder Name", true},
    };
    for (const Refused& c : refused) {
        SCOPED_TRACE(std::string(c.what) + ": " + c.path);
        if (c.exists) {
            EXPECT_NE(GetFileAttributesA(c.path.c_str()), INVALID_FILE_ATTRIBUTES);
        }
        std::string canonical = kUntouched;
        EXPECT_EQ(CShortCutTool().GetTruePathName(c.path, canonical), 0);
        EXPECT_EQ(canonical, kUntouched);
    }
}

// A shortcut on the desktop under a name of the test's own, deleted after.
class DesktopShortCut {
public:
    explicit DesktopShortCut(const std::string& what)
        : m_name("Tolmic resolve " + what + " " + std::to_string(GetCurrentProcessId()))
    {
        EXPECT_TRUE(CShortCutTool().GetSpecialFolderPath(CSIDL_DESKTOP, m_folder));
    }
    ~DesktopShortCut() { DeleteFileA(FilePath().c_str()); }
    const std::string& Name() const { return m_name; }
    std::string FilePath() const { return m_folder + m_name + ".lnk"; }

private:
    std::string m_name;
    std::string m_folder;
};

class ResolveShortCut : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ResolveShortCut, ReadsBackTargetAndDescriptionOfACreatedShortCut)
{
    const LongNames names;
    struct Case {
        const char* what;
        std::string target;    // as written into the shortcut
        std::string expected;  // as read back
    };
    // The long form replaces what the shell gives back only when it is
    // longer: a different letter case stays as the shell spells it.
    const Case cases[] = {
        {"stored spelling", names.File(), names.File()},
        {"8.3 aliases", ShortForm(names.File()), names.File()},
        {"other letter case", OtherCase(names.File()), OtherCase(names.File())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesktopShortCut shortCut("read");
        ASSERT_TRUE(CShortCutTool().CreateShortCut(c.target, shortCut.Name(), CSIDL_DESKTOP,
                                                   "Tolmic resolve test", "", 0));
        std::string target;
        std::string description;
        EXPECT_EQ(CShortCutTool().ResolveShortCut(shortCut.Name(), CSIDL_DESKTOP, nullptr, target, description),
                  S_OK);
        EXPECT_EQ(target, c.expected);
        EXPECT_EQ(description, "Tolmic resolve test");
    }
}

TEST_F(ResolveShortCut, UnloadableShortCutKeepsDescriptionAndOnlyLengthensTheIncomingTarget)
{
    const LongNames names;
    DesktopShortCut notAShortCut("garbage");
    WriteFile(notAShortCut.FilePath(), "this is not a shell link");
    DesktopShortCut missing("missing");

    struct Case {
        const char* what;
        std::string incoming;
        std::string expected;
    };
    const Case cases[] = {
        {"8.3 aliases become long names", ShortForm(names.File()), names.File()},
        {"other letter case is the same length", OtherCase(names.File()), OtherCase(names.File())},
        {"missing path", names.Base() + "\\Missing", names.Base() + "\\Missing"},
        {"empty", "", ""},
    };
    for (const DesktopShortCut* shortCut : {&missing, &notAShortCut}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(shortCut->Name() + ": " + c.what);
            std::string target = c.incoming;
            std::string description = kUntouched;
            const HRESULT result =
                CShortCutTool().ResolveShortCut(shortCut->Name(), CSIDL_DESKTOP, nullptr, target, description);
            EXPECT_TRUE(FAILED(result)) << std::hex << result;
            EXPECT_EQ(target, c.expected);
            EXPECT_EQ(description, kUntouched);
        }
    }
}

TEST_F(ResolveShortCut, UnknownSpecialFolderGivesOneAndTouchesNothing)
{
    const LongNames names;
    std::string target = ShortForm(names.File());
    const std::string incoming = target;
    std::string description = kUntouched;
    EXPECT_EQ(CShortCutTool().ResolveShortCut("Tolmic 2007", 0x7F, nullptr, target, description), 1);
    EXPECT_EQ(target, incoming);
    EXPECT_EQ(description, kUntouched);
}

TEST_F(ResolveShortCut, ShortCutPathTooLongForTheShellFailsBeforeLoading)
{
    std::string folder;
    ASSERT_TRUE(CShortCutTool().GetSpecialFolderPath(CSIDL_DESKTOP, folder));
    const HRESULT tooLong = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    struct Case {
        size_t pathLength;  // of the shortcut file's path, without its terminator
        bool fits;
    };
    for (const Case& c : {Case{MAX_PATH - 1, true}, Case{MAX_PATH, false}, Case{MAX_PATH + 40, false}}) {
        SCOPED_TRACE(c.pathLength);
        const std::string name(c.pathLength - folder.size() - 4, 'n');
        std::string target;
        std::string description = kUntouched;
        const HRESULT result = CShortCutTool().ResolveShortCut(name, CSIDL_DESKTOP, nullptr, target, description);
        EXPECT_TRUE(FAILED(result)) << std::hex << result;
        EXPECT_EQ(result == tooLong, !c.fits) << std::hex << result;
        EXPECT_EQ(description, kUntouched);
    }
}

}  // namespace
