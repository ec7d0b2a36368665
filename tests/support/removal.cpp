#include "removal.h"

#include <gtest/gtest.h>

#include "driver.h"
#include "paths.h"
#include "resources/resource_ids.h"
#include "shortcut_fixture.h"
#include "uninstall/message_list.h"

namespace test_support {

std::vector<std::string> Lines(std::initializer_list<std::string> messages)
{
    std::vector<std::string> lines;
    for (const std::string& message : messages)
        for (const std::string& line : SplitIntoListLines(message))
            lines.push_back(line);
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<std::string> OpeningLines(const std::string& folder)
{
    return Lines({"Uninstall folder:", folder});
}

void PlaceProgramFiles(const std::string& folder)
{
    CopyFileOrFail(UnInstallExe(), JoinPath(folder, "UnInstall.exe"));
    CopyFileOrFail(TolmicStubExe(), JoinPath(folder, "Tolmic.exe"));
}

Removal RunRemoval(const std::string& exe)
{
    Removal run;
    RunningProgram uninstall(exe);
    HWND dialog = uninstall.WaitForDialog("Tolmic 2007 Remove");
    EXPECT_NE(dialog, nullptr) << exe;
    if (!dialog)
        return run;
    run.openingLines = ListBoxLines(dialog, IDC_MESSAGES);
    Click(dialog, IDOK);
    run.lines = ListBoxLines(dialog, IDC_MESSAGES);
    run.removeEnabled = IsControlEnabled(dialog, IDOK);
    run.otherButton = ControlText(dialog, IDCANCEL);
    run.scriptWritten = FileExists(CleanupScript());
    Click(dialog, IDCANCEL);
    EXPECT_EQ(uninstall.WaitForExit(), 0u);
    return run;
}

void UnInstallTest::SetUp()
{
    WaitUntil([] { return !FileExists(CleanupScript()); });
    DeleteFileA(CleanupScript().c_str());
    ClearProductState();
}

void UnInstallTest::TearDown()
{
    ClearProductState();
}

RemovedAtEnd::~RemovedAtEnd()
{
    for (const std::string& path : m_paths)
        RemoveTree(path);
}

}  // namespace test_support
