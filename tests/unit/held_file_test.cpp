// The clean-up script's file: written anew, never through what stood at its
// name, and held so that others can read it but nothing else.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/handles.h"
#include "support/paths.h"
#include "uninstall/held_file.h"

using namespace test_support;

namespace {

const char kText[] = "(\r\necho the script\r\nexit\r\n)\r\n";

std::string ReadWhole(const std::string& path, DWORD share)
{
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return "<cannot open>";
    char buffer[256];
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
        return "<cannot read>";
    return std::string(buffer, read);
}

TEST(HeldFile, OthersMayReadItButNotWriteRenameOrDeleteIt)
{
    ScratchFolder folder("tolmic held file");
    const std::string path = folder / "_uninsep.bat";
    WriteFile(path, "an earlier run's script, longer than the new one\r\n");

    UniqueFileHandle held = WriteHeldFile(path, kText);
    ASSERT_TRUE(held);
    // A reader that shares reading only, as well as one that shares more.
    EXPECT_EQ(ReadWhole(path, FILE_SHARE_READ), kText);
    EXPECT_EQ(ReadWhole(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE), kText);
    UniqueFileHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                        FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(writer);
    EXPECT_FALSE(MoveFileExA(path.c_str(), (path + ".away").c_str(), 0));
    EXPECT_FALSE(DeleteFileA(path.c_str()));

    held.Reset();
    EXPECT_TRUE(DeleteFileA(path.c_str())) << "let go with the handle";
}

TEST(HeldFile, WhatStandsAtTheNameIsNeverWrittenThrough)
{
    ScratchFolder folder("tolmic held file name");
    const std::string path = folder / "_uninsep.bat";
    const std::string letter = folder / "letter.txt";
    WriteFile(letter, "keep me");
    ASSERT_TRUE(CreateHardLinkA(path.c_str(), letter.c_str(), nullptr));

    UniqueFileHandle held = WriteHeldFile(path, kText);
    EXPECT_TRUE(held);
    EXPECT_EQ(ReadWhole(path, FILE_SHARE_READ), kText);
    EXPECT_EQ(ReadWhole(letter, FILE_SHARE_READ), "keep me");
    held.Reset();

    // A folder at the name: left as it is, and no file.
    const std::string folderAtName = folder / "held";
    ASSERT_TRUE(CreateDirectoryA(folderAtName.c_str(), nullptr));
    MakeTree(folderAtName, {"inside.txt"});
    EXPECT_FALSE(WriteHeldFile(folderAtName, kText));
    EXPECT_EQ(TreeEntries(folderAtName), std::vector<std::string>{"inside.txt"});
}

}  // namespace
