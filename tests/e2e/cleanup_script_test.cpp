// The clean-up script of the real UnInstall.exe: it names the product's
// files exactly whatever letters their paths hold, and no other program can
// change what it runs.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/handles.h"
#include "support/driver.h"
#include "support/environment.h"
#include "support/paths.h"
#include "support/removal.h"
#include "resources/resource_ids.h"

using namespace test_support;

namespace {

const char kDialogCaption[] = "Tolmic 2007 Remove";
const char kRemoved[] = "Tolmic 2007 removed.";

class CleanupScriptRun : public UnInstallTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetACP(), 1252u) << "the paths below are written in code page 1252";
        UnInstallTest::SetUp();
    }
};

// A folder of its own below `parent`, made and (whatever is left of it)
// removed by this object; ScratchFolder's names would not hold these letters.
class ProductFolder {
public:
    ProductFolder(const std::string& parent, const std::string& name) : m_path(JoinPath(parent, name))
    {
        RemoveTree(m_path);
        EXPECT_TRUE(CreateDirectoryA(m_path.c_str(), nullptr)) << m_path;
    }
    ~ProductFolder()
    {
        DeleteFileA(JoinPath(m_path, "UnInstall.exe").c_str());
        DeleteFileA(JoinPath(m_path, "Tolmic.exe").c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    ProductFolder(const ProductFolder&) = delete;
    ProductFolder& operator=(const ProductFolder&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// "&Remove" and then "Close": the folder, its uninstaller and the script
// must all be gone soon after.
void ExpectWholeRemoval(const std::string& folder)
{
    const Removal run = RunRemoval(JoinPath(folder, "UnInstall.exe"));
    EXPECT_EQ(run.lines, OpeningLines(folder) + Lines({kRemoved}));
    EXPECT_TRUE(run.scriptWritten);
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(folder) && !FileExists(CleanupScript()); }))
        << "left: folder " << FolderExists(folder) << ", script " << FileExists(CleanupScript());
}

// A product folder whose letters the OEM code page spells differently
// ("é", "Ü", "ß") or not at all ("€", reached through its 8.3 form).
TEST_F(CleanupScriptRun, RemovesFoldersWhoseNamesHoldLettersBeyondAscii)
{
    const char* const names[] = {
        "Tolmic Caf\xE9 \xDC" "ber Stra\xDF" "e",
        "Tolmic 2007 \x80 edition",
    };
    ScratchFolder parent("tolmic letters");
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ProductFolder folder(parent.Path(), name);
        PlaceProgramFiles(folder.Path());
        MakeTree(folder.Path(), {"data\\table.bin"});
        ExpectWholeRemoval(folder.Path());
    }
}

// The script lies in the temporary folder of a user named "José Müller".
TEST_F(CleanupScriptRun, RemovesEverythingWhenTheUsersTemporaryFolderHoldsSuchLetters)
{
    ScratchFolder home("tolmic user");
    const std::string temp = JoinPath(home.Path(), "Jos\xE9 M\xFCller");
    ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
    ScopedEnvironmentVariable tmp("TMP", temp);
    ScopedEnvironmentVariable alsoTemp("TEMP", temp);
    ASSERT_EQ(CleanupScript(), JoinPath(temp, "_uninsep.bat"));

    ProductFolder folder(home.Path(), "Tolmic 2007");
    PlaceProgramFiles(folder.Path());
    ExpectWholeRemoval(folder.Path());
    RemoveDirectoryA(temp.c_str());
}

// While the dialog stays open after "&Remove" the script is there to read,
// and nobody can write it, rename it or delete it.
TEST_F(CleanupScriptRun, NoOtherProgramCanChangeTheWaitingScript)
{
    ScratchFolder folder("tolmic held script");
    PlaceProgramFiles(folder.Path());
    const std::string script = CleanupScript();

    RunningProgram uninstall(folder / "UnInstall.exe");
    HWND dialog = uninstall.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    ASSERT_TRUE(FileExists(script));

    UniqueFileHandle reader(CreateFileA(script.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(reader) << "the script cannot be read";
    reader.Reset();
    UniqueFileHandle writer(CreateFileA(script.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                        FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(writer) << "the script could be opened for writing";
    writer.Reset();
    const std::string away = script + ".moved";
    EXPECT_FALSE(MoveFileExA(script.c_str(), away.c_str(), MOVEFILE_REPLACE_EXISTING)) << "the script was renamed";
    MoveFileExA(away.c_str(), script.c_str(), 0);
    EXPECT_FALSE(DeleteFileA(script.c_str())) << "the script was deleted";
    EXPECT_TRUE(FileExists(script));

    Click(dialog, IDCANCEL);
    EXPECT_EQ(uninstall.WaitForExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(folder.Path()) && !FileExists(script); }));
}

// A "ping" planted where the script runs or lives is never started, and a
// hard link at the script's name is never written through.
TEST_F(CleanupScriptRun, NothingPlantedBesideOrAtTheScriptsNameIsRunOrWritten)
{
    ScratchFolder outside("tolmic planted");
    const std::string marker = outside / "ran.txt";
    const std::string planted = "@echo ran>\"" + marker + "\"\r\n";
    const std::string userFile = outside / "letter.txt";
    const std::string letter = "Dear Tolmic, keep this.\r\n";
    const std::string pingBat = JoinPath(TemporaryFolder(), "ping.bat");
    const std::string pingCmd = JoinPath(TemporaryFolder(), "ping.cmd");
    RemovedAtEnd cleanup({pingBat, pingCmd});
    WriteFile(pingBat, planted);
    WriteFile(pingCmd, planted);
    WriteFile(userFile, letter);
    ASSERT_TRUE(CreateHardLinkA(CleanupScript().c_str(), userFile.c_str(), nullptr));

    ScratchFolder folder("tolmic planted product");
    PlaceProgramFiles(folder.Path());
    RunningProgram uninstall(folder / "UnInstall.exe");
    HWND dialog = uninstall.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDOK);
    // Long enough for a script that polls to pause at least once.
    Sleep(2000);
    Click(dialog, IDCANCEL);
    EXPECT_EQ(uninstall.WaitForExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(folder.Path()) && !FileExists(CleanupScript()); }));

    EXPECT_FALSE(FileExists(marker)) << "a planted ping ran";
    UniqueFileHandle file(CreateFileA(userFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
    ASSERT_TRUE(file);
    char content[256] = {};
    DWORD read = 0;
    ReadFile(file.Get(), content, sizeof content - 1, &read, nullptr);
    EXPECT_EQ(std::string(content, read), letter) << "the script was written into the linked file";
}

// A folder at the script's name is left alone: no script, so the product
// folder and its uninstaller stay, while everything else is removed.
TEST_F(CleanupScriptRun, AFolderAtTheScriptsNameIsLeftAloneAndNoScriptRuns)
{
    const std::string script = CleanupScript();
    ASSERT_TRUE(CreateDirectoryA(script.c_str(), nullptr));
    RemovedAtEnd cleanup({script});
    MakeTree(script, {"inside.txt"});
    ScratchFolder folder("tolmic script folder");
    PlaceProgramFiles(folder.Path());

    const Removal run = RunRemoval(folder / "UnInstall.exe");
    EXPECT_EQ(run.lines, OpeningLines(folder.Path()) + Lines({kRemoved}));
    Sleep(2000);
    EXPECT_EQ(TreeEntries(script), std::vector<std::string>{"inside.txt"});
    EXPECT_EQ(TreeEntries(folder.Path()), std::vector<std::string>{"UnInstall.exe"});
}

}  // namespace
