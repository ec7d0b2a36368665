// Install.exe started from a product folder, driven from this process.
#include <gtest/gtest.h>

#include "common/product.h"
#include "resources/resource_ids.h"
#include "support/driver.h"
#include "support/paths.h"
#include "support/registry_fixture.h"
#include "support/shortcut_fixture.h"

using namespace test_support;

namespace {

const char kDialogCaption[] = "Tolmic 2007 Install";

// Closing the dialog of a first installation creates the default
// shortcuts: every test starts and ends without entry and shortcuts.
class InstallStartup : public ::testing::Test {
protected:
    void SetUp() override { ClearProductState(); }
    void TearDown() override { ClearProductState(); }
};

TEST_F(InstallStartup, WithoutTheProgramFileItSaysSoAndEndsWithCode1)
{
    struct Case {
        const char* what;
        bool folderNamedTolmicExe;
    };
    for (const Case c : {Case{"no Tolmic.exe", false}, Case{"a folder named Tolmic.exe", true}}) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("install no product");
        CopyFileOrFail(InstallExe(), folder / "Install.exe");
        if (c.folderNamedTolmicExe) {
            ASSERT_TRUE(CreateDirectoryA((folder / "Tolmic.exe").c_str(), nullptr));
        }

        RunningProgram install(folder / "Install.exe");
        ASSERT_TRUE(install.Started());
        HWND box = install.WaitForDialog("Install");
        ASSERT_NE(box, nullptr) << "no message box titled \"Install\"";
        EXPECT_EQ(MessageBoxText(box), "Cannot find original install folder?");
        EXPECT_EQ(install.WaitForDialog(kDialogCaption, 0), nullptr);
        PostClick(box, IDOK);

        EXPECT_EQ(install.WaitForExit(), 1u);
        EXPECT_FALSE(KeyExists(product::kUninstallKey));
    }
}

TEST_F(InstallStartup, OpensTheDialogShowingTheProductFolder)
{
    ScratchFolder folder("install product");
    CopyFileOrFail(InstallExe(), folder / "Install.exe");
    CopyFileOrFail(TolmicStubExe(), folder / "Tolmic.exe");

    RunningProgram install(folder / "Install.exe");
    HWND dialog = install.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_PATH), folder.Path());

    PressEscape(dialog);
    EXPECT_EQ(install.WaitForExit(), 0u);
}

}  // namespace
