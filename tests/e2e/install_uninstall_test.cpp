// The two programs together, as a user meets them: a first installation with
// all three shortcuts, then a complete removal. Nothing of the product may
// remain: no registry key, shortcut, file, folder or clean-up script.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "common/product.h"
#include "resources/resource_ids.h"
#include "support/driver.h"
#include "support/product_folder.h"
#include "support/registry_fixture.h"
#include "support/shortcut_fixture.h"

using namespace test_support;

namespace {

const int kShortCutFolders[] = {CSIDL_DESKTOP, CSIDL_STARTMENU, CSIDL_PROGRAMS};

class InstallThenUninstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        WaitUntil([] { return !FileExists(CleanupScript()); });
        ClearProductState();
    }
    void TearDown() override { ClearProductState(); }
};

TEST_F(InstallThenUninstall, LeavesNothingOfTheProductBehind)
{
    ProductFolder folder("Tolmic 2007 round trip");
    CopyFileOrFail(UnInstallExe(), folder / "UnInstall.exe");
    MakeTree(folder.Path(), {"help\\Tolmic.chm", "data\\constants.dat"});

    {
        RunningProgram install(folder.InstallExe());
        HWND dialog = install.WaitForDialog("Tolmic 2007 Install");
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDC_NEW_PROGRAMS);  // the defaults tick the other two
        PostClick(dialog, IDCANCEL);
        ASSERT_EQ(install.WaitForExit(), 0u);
    }
    ASSERT_TRUE(KeyExists(product::kUninstallKey));
    for (int csidl : kShortCutFolders)
        ASSERT_EQ(ReadLink(ShortCutFile(csidl)).target, folder.ProgramFile()) << "shortcut in CSIDL " << csidl;

    {
        RunningProgram uninstall(folder / "UnInstall.exe");
        HWND dialog = uninstall.WaitForDialog("Tolmic 2007 Remove");
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDOK);
        const std::vector<std::string> lines = ListBoxLines(dialog, IDC_MESSAGES);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "Tolmic 2007 removed.");
        PostClick(dialog, IDCANCEL);
        ASSERT_EQ(uninstall.WaitForExit(), 0u);
    }
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(folder.Path()) && !FileExists(CleanupScript()); }))
        << "left: " << testing::PrintToString(TreeEntries(folder.Path()));
    EXPECT_FALSE(KeyExists(product::kUninstallKey));
    for (int csidl : kShortCutFolders)
        EXPECT_FALSE(FileExists(ShortCutFile(csidl))) << "shortcut in CSIDL " << csidl;
}

}  // namespace
