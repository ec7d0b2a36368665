// UnInstall.exe runs for end-to-end tests: the list lines a run must show,
// a product folder's program files, and one whole run up to "Close".
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace test_support {

// The list lines that these messages make, in order.
std::vector<std::string> Lines(std::initializer_list<std::string> messages);
std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second);
// "Uninstall folder:" and the folder, as the list opens.
std::vector<std::string> OpeningLines(const std::string& folder);

// Copies the UnInstall.exe under test and a stand-in Tolmic.exe into `folder`.
void PlaceProgramFiles(const std::string& folder);

// One run of UnInstall.exe up to the state after "&Remove".
struct Removal {
    std::vector<std::string> openingLines;
    std::vector<std::string> lines;  // after "&Remove"
    bool removeEnabled = true;
    std::string otherButton;
    bool scriptWritten = false;
};

// Starts the program, presses "&Remove", reads the dialog, then presses
// "Close" and waits for the program to end with code 0.
Removal RunRemoval(const std::string& exe);

// The fixture of tests that run UnInstall.exe: a script of an earlier run
// still at work would race the test, so it waits for that to end; the
// product's keys and shortcuts are cleared before and after.
class UnInstallTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Removes what a test put outside its scratch folders, also when it fails.
class RemovedAtEnd {
public:
    explicit RemovedAtEnd(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
    ~RemovedAtEnd();
    RemovedAtEnd(const RemovedAtEnd&) = delete;
    RemovedAtEnd& operator=(const RemovedAtEnd&) = delete;

private:
    std::vector<std::string> m_paths;
};

}  // namespace test_support
