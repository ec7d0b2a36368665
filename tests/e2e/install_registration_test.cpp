// The uninstall entry that every run of the real Install.exe writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "common/product.h"
#include "support/driver.h"
#include "support/product_folder.h"
#include "support/registry_fixture.h"
#include "support/shortcut_fixture.h"

using namespace test_support;

namespace {

const char kDialogCaption[] = "Tolmic 2007 Install";

std::string Text(const std::string& text) { return text + '\0'; }

// The seven values for a product in `folder`, as stored: REG_SZ text with
// its zero byte.
std::map<std::string, std::string> ExpectedEntry(const std::string& folder)
{
    return {
        {"DisplayName", Text("Tolmic Expression Calculator 2007")},
        {"UninstallString", Text("\"" + folder + "\\UnInstall.exe\"")},
        {"InstallLocation", Text(folder)},
        {"Publisher", Text(product::kPublisher)},
        {"HelpLink", Text(product::kHomePageUrl)},
        {"URLUpdateInfo", Text(product::kHomePageUrl)},
        {"URLInfoAbout", Text(product::kHomePageUrl)},
    };
}

void ExpectEntryFor(const std::string& folder)
{
    const std::map<std::string, std::string> expected = ExpectedEntry(folder);
    std::vector<std::string> names = ValueNames(product::kUninstallKey);
    std::sort(names.begin(), names.end());
    std::vector<std::string> expectedNames;
    for (const auto& value : expected)
        expectedNames.push_back(value.first);
    EXPECT_EQ(names, expectedNames);
    for (const auto& value : expected) {
        SCOPED_TRACE(value.first);
        const RawValue stored = ReadRawValue(product::kUninstallKey, value.first);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.data, value.second);
    }
}

// Runs Install.exe from the folder, checks the entry while the dialog is
// open, and closes it.
void RunAndExpectEntry(const ProductFolder& folder)
{
    RunningProgram install(folder.InstallExe());
    HWND dialog = install.WaitForDialog(kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    ExpectEntryFor(folder.Path());
    PostClick(dialog, IDCANCEL);
    EXPECT_EQ(install.WaitForExit(), 0u);
}

class InstallRegistration : public ::testing::Test {
protected:
    void SetUp() override { ClearProductState(); }
    void TearDown() override { ClearProductState(); }
};

TEST_F(InstallRegistration, FirstRunWritesExactlyTheSevenValues)
{
    ProductFolder folder("Tolmic 2007");
    ASSERT_FALSE(KeyExists(product::kUninstallKey));
    RunAndExpectEntry(folder);
}

// Each run writes the whole entry for the folder it runs from, over what
// an earlier run left: a moved product is found at its new place.
TEST_F(InstallRegistration, ALaterRunFromAnotherFolderRewritesTheEntry)
{
    ProductFolder first("tolmic first");
    RunAndExpectEntry(first);

    ProductFolder moved("Program Files (x86) Tolmic 2007");
    RunAndExpectEntry(moved);
}

// A display name that cannot be read as text counts as no entry; the run
// writes it again as REG_SZ.
TEST_F(InstallRegistration, AnUnreadableDisplayNameIsReplaced)
{
    WriteRawValue(product::kUninstallKey, "DisplayName", REG_DWORD, std::string("\x01\0\0\0", 4));
    WriteRawValue(product::kUninstallKey, "UninstallString", REG_EXPAND_SZ, Text("C:\\Old\\UnInstall.exe"));
    ProductFolder folder("tolmic");
    RunAndExpectEntry(folder);
}

}  // namespace
