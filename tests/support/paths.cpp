#include "paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "common/handles.h"

namespace test_support {

std::string FromBuildTree(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string InstallExe() { return FromBuildTree(TOLMIC_INSTALL_EXE); }
std::string UnInstallExe() { return FromBuildTree(TOLMIC_UNINSTALL_EXE); }
std::string TolmicStubExe() { return FromBuildTree(TOLMIC_STUB_EXE); }

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

std::string Parent(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

void CopyFileOrFail(const std::string& from, const std::string& to)
{
    ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << from << " -> " << to << ": " << GetLastError();
}

void MakeTree(const std::string& root, std::initializer_list<std::string> entries)
{
    for (const std::string& entry : entries) {
        for (std::string::size_type slash = entry.find('\\'); slash != std::string::npos;
             slash = entry.find('\\', slash + 1))
            CreateDirectoryA(JoinPath(root, entry.substr(0, slash)).c_str(), nullptr);
        if (entry.back() != '\\')
            WriteFile(JoinPath(root, entry), entry);
    }
}

namespace {
void CollectEntries(const std::string& root, const std::string& relative, std::vector<std::string>& entries)
{
    WIN32_FIND_DATAA found;
    UniqueFindHandle listing(FindFirstFileA(JoinPath(JoinPath(root, relative), "*").c_str(), &found));
    if (!listing)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = relative.empty() ? name : relative + "\\" + name;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            entries.push_back(path);
            continue;
        }
        entries.push_back(path + "\\");
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            CollectEntries(root, path, entries);
    } while (FindNextFileA(listing.Get(), &found));
}
}  // namespace

std::vector<std::string> TreeEntries(const std::string& root)
{
    std::vector<std::string> entries;
    CollectEntries(root, "", entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

ScratchFolder::ScratchFolder(const std::string& name)
{
    static std::atomic<unsigned> counter{0};
    m_path = JoinPath(TemporaryFolder(), name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    RemoveTree(m_path);
    EXPECT_TRUE(CreateDirectoryA(m_path.c_str(), nullptr)) << m_path;
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(25);
    }
    return true;
}

std::string TemporaryFolder()
{
    std::string folder;
    EXPECT_TRUE(GetTemporaryFolder(folder));
    return folder;
}

std::string CleanupScript()
{
    return TemporaryFolder() + "_uninsep.bat";
}

void RemoveTree(const std::string& path)
{
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(path, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path, error);
}

}  // namespace test_support
