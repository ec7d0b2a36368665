// Paths the tests work with: programs in the build tree and scratch folders.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace test_support {

// A path of the Linux build tree as Wine's programs see it: "Z:\...".
std::string FromBuildTree(const std::string& unixPath);

// The programs under test, built beside the tests (x86_64).
std::string InstallExe();
std::string UnInstallExe();
std::string TolmicStubExe();

// Joins with exactly one backslash.
std::string JoinPath(const std::string& folder, const std::string& name);
// The folder above `path` ("C:\users\x" -> "C:\users").
std::string Parent(const std::string& path);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
void CopyFileOrFail(const std::string& from, const std::string& to);

// Makes files and folders below `root`: "a.txt", "sub\\b.txt" (with the
// folders on the way), "empty\\" (a folder). A file's content is its path.
void MakeTree(const std::string& root, std::initializer_list<std::string> entries);
// Every file and folder below `root`, as relative paths in sorted order
// (folders end in "\\"); folder links are listed but not entered.
std::vector<std::string> TreeEntries(const std::string& root);

// A new, empty folder below the temporary folder, removed with everything
// in it when the object goes. `name` may hold blanks and other characters
// that belong in the test.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name = "tolmic-test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return JoinPath(m_path, name); }

private:
    std::string m_path;
};

// Polls until the condition holds; false when it still does not after the time.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = 20000);

// The user's temporary folder, with its trailing backslash.
std::string TemporaryFolder();
// Where UnInstall.exe writes its clean-up script.
std::string CleanupScript();

// Removes a folder tree, clearing read-only attributes on the way.
void RemoveTree(const std::string& path);

}  // namespace test_support
