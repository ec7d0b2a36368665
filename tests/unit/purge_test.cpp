// The source-file search and the purge, on real folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

#include "common/handles.h"
#include "support/paths.h"
#include "support/unix_links.h"
#include "uninstall/message_list.h"
#include "uninstall/purge.h"

using namespace test_support;

namespace {

class RecordedMessages : public CMessageSink {
public:
    void AddMessage(std::string text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

UniqueFileHandle HoldOpenWithoutSharing(const std::string& path)
{
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(file.IsValid()) << path;
    return file;
}

std::string Failure(const std::string& what, DWORD code)
{
    return what + ": " + GetSystemErrorText(code);
}

bool HasSourceFiles(const std::string& folder)
{
    BOOL found = 0;
    FindSourceFiles(folder, found);
    return found != 0;
}

TEST(FindSourceFiles, FindsSourceFilesAtAnyDepthAndInAnyCase)
{
    const struct {
        const char* what;
        std::initializer_list<std::string> tree;
        bool found;
    } cases[] = {
        {"no source", {"Tolmic.exe", "readme.txt", "doc\\x.cxx", "doc\\x.cc", "doc\\x.hxx", "x.cpp.bak", "Makefile"}, false},
        {"folder named src.cpp", {"src.cpp\\readme.txt"}, false},
        {"inside a folder named src.cpp", {"src.cpp\\a.c"}, true},
        {"at the top", {"Tolmic.exe", "main.cpp"}, true},
        {"three levels down", {"a\\b\\c\\Engine.h", "a\\b\\readme.txt"}, true},
        {"upper case", {"lib\\TOOLS.HPP"}, true},
        {"mixed case", {"x.Cpp"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("tolmic-search");
        MakeTree(folder.Path(), c.tree);
        const std::vector<std::string> before = TreeEntries(folder.Path());
        EXPECT_EQ(HasSourceFiles(folder.Path()), c.found);
        EXPECT_EQ(TreeEntries(folder.Path()), before) << "the search must change nothing";
    }
}

TEST(FindSourceFiles, NeverClearsTheFlagAndPassesOverAMissingFolder)
{
    BOOL found = 1;
    FindSourceFiles("C:\\no such folder\\anywhere", found);
    EXPECT_EQ(found, 1);
    found = 0;
    FindSourceFiles("C:\\no such folder\\anywhere", found);
    EXPECT_EQ(found, 0);
}

TEST(PurgeFolder, EmptiesAWholeTreeSilently)
{
    ScratchFolder folder("tolmic-purge");
    MakeTree(folder.Path(), {"Tolmic.exe", "a.txt", "sub\\b.txt", "sub\\deeper\\c.dat", "sub\\deeper\\UnInstall.exe",
                             "empty\\", "sub\\empty\\"});
    RecordedMessages messages;
    EXPECT_EQ(PurgeFolder(folder.Path(), 1, messages), 1);
    EXPECT_EQ(messages.lines, std::vector<std::string>());
    EXPECT_FALSE(FolderExists(folder.Path())) << "nothing held the top folder back";
}

// One file that cannot be deleted: what is reported, what is left.
TEST(PurgeFolder, ReportsWhatItCannotRemoveAndRemovesEverythingElse)
{
    enum class Hold { OpenWithoutSharing, ReadOnly };
    const struct {
        const char* what;
        const char* file;  // the one file that stays
        Hold hold;
        DWORD fileError;
        bool reported;  // the file's own line
        int result;
    } cases[] = {
        {"open file in a sub-folder", "sub\\locked.txt", Hold::OpenWithoutSharing, ERROR_SHARING_VIOLATION, true, 0},
        {"read-only file at the top", "readonly.txt", Hold::ReadOnly, ERROR_ACCESS_DENIED, true, 0},
        {"read-only file in a sub-folder", "sub\\readonly.txt", Hold::ReadOnly, ERROR_ACCESS_DENIED, true, 0},
        {"running uninstaller at the top", "UnInstall.exe", Hold::OpenWithoutSharing, 0, false, 1},
        {"running uninstaller in a sub-folder", "sub\\UnInstall.exe", Hold::OpenWithoutSharing, 0, false, 0},
        {"lower-case uninstall.exe", "uninstall.exe", Hold::OpenWithoutSharing, ERROR_SHARING_VIOLATION, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("tolmic-purge");
        MakeTree(folder.Path(), {"Tolmic.exe", "a.txt", "sub\\b.txt", "sub\\deeper\\c.dat", "other\\d.txt"});
        const std::string file = folder / c.file;
        MakeTree(folder.Path(), {c.file});
        UniqueFileHandle held;
        if (c.hold == Hold::OpenWithoutSharing)
            held = HoldOpenWithoutSharing(file);
        else
            ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));

        RecordedMessages messages;
        const int result = PurgeFolder(folder.Path(), 1, messages);

        std::vector<std::string> expected;
        const std::string name = file.substr(file.rfind('\\') + 1);
        if (c.reported)
            expected.push_back(Failure(name, c.fileError));
        const std::string parent = file.substr(0, file.rfind('\\'));
        if (parent != folder.Path())
            expected.push_back(Failure(parent, ERROR_DIR_NOT_EMPTY));
        EXPECT_EQ(messages.lines, expected);
        EXPECT_EQ(result, c.result);

        std::vector<std::string> left = {c.file};
        if (parent != folder.Path())
            left.insert(left.begin(), parent.substr(folder.Path().size() + 1) + "\\");
        EXPECT_EQ(TreeEntries(folder.Path()), left);
    }
}

// A folder link inside the product folder leads outside it, or back up.
// Nothing behind a link may be searched, changed or deleted; the link
// itself is removed where the system can (under Wine it stays, reported).
TEST(FolderLinks, AreNeitherSearchedNorEnteredByThePurge)
{
    ScratchFolder outside("tolmic-outside");
    MakeTree(outside.Path(), {"keep.txt", "deep\\engine.cpp", "deep\\data.bin"});
    const std::vector<std::string> outsideBefore = TreeEntries(outside.Path());
    ScratchFolder product("tolmic-linked");
    MakeTree(product.Path(), {"Tolmic.exe", "sub\\a.txt"});
    FolderLink away(product / "sub\\away", outside.Path());
    FolderLink loop(product / "sub\\loop", product.Path());
    ASSERT_TRUE(away.Made() && loop.Made()) << "could not make the links from the Linux side";
    ASSERT_TRUE(FileExists(product / "sub\\away\\deep\\engine.cpp")) << "the link does not lead outside";

    EXPECT_FALSE(HasSourceFiles(product.Path())) << "the search followed a link";

    RecordedMessages messages;
    const int result = PurgeFolder(product.Path(), 1, messages);
    EXPECT_EQ(TreeEntries(outside.Path()), outsideBefore) << "something behind a link changed";

    std::vector<std::string> expected;
    for (const char* link : {"sub\\away", "sub\\loop"}) {
        const DWORD attributes = GetFileAttributesA((product / link).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            expected.push_back(product / link);
    }
    if (!expected.empty())
        expected.push_back(product / "sub");
    ASSERT_EQ(messages.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(messages.lines[i].rfind(expected[i] + ": ", 0), 0u) << messages.lines[i];
    EXPECT_EQ(result, expected.empty() ? 1 : 0);
    EXPECT_FALSE(FileExists(product / "Tolmic.exe"));
    EXPECT_FALSE(FileExists(product / "sub\\a.txt"));
}

// Renames a folder and back; true when the first rename worked.
bool CanBeRenamed(const std::string& folder)
{
    const std::string away = folder + " renamed";
    if (!MoveFileExA(folder.c_str(), away.c_str(), 0))
        return false;
    EXPECT_TRUE(MoveFileExA(away.c_str(), folder.c_str(), 0)) << "could not put " << folder << " back";
    return true;
}

// While the purge empties a folder it holds it: nobody can rename it away
// (or so put something else at its name) until it is removed.
TEST(PurgeFolder, HoldsEachFolderWhileEmptyingIt)
{
    ScratchFolder product("tolmic-held");
    MakeTree(product.Path(), {"Tolmic.exe", "sub\\a.txt", "sub\\deeper\\b.txt"});
    ASSERT_TRUE(CanBeRenamed(product / "sub\\deeper")) << "renaming works when nothing holds the folder";

    std::vector<std::string> held, renamed;
    RecordedMessages messages;
    const int result = PurgeFolder(product.Path(), 1, messages, [&](const std::string& folder) {
        held.push_back(folder);
        if (CanBeRenamed(folder))
            renamed.push_back(folder);
    });

    EXPECT_EQ(held, (std::vector<std::string>{product.Path(), product / "sub", product / "sub\\deeper"}));
    EXPECT_EQ(renamed, std::vector<std::string>()) << "a held folder could be renamed";
    EXPECT_EQ(messages.lines, std::vector<std::string>());
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(FolderExists(product.Path())) << "the holds must be gone before the removals";
}

// Listed as a plain folder, a link by the time the purge goes in: the purge
// must see it is a link now, and never enter it.
TEST(FolderLinks, ALinkPutInPlaceOfAListedFolderIsNotEntered)
{
    ScratchFolder outside("tolmic-outside");
    MakeTree(outside.Path(), {"keep.txt", "deep\\data.bin"});
    const std::vector<std::string> outsideBefore = TreeEntries(outside.Path());
    ScratchFolder product("tolmic-swapped");
    MakeTree(product.Path(), {"Tolmic.exe", "sub\\one\\a.txt", "sub\\two\\b.txt"});
    std::unique_ptr<FolderLink> link;
    std::string swapped;
    std::vector<std::string> held;

    // On entering one of the two, the other (already listed) becomes a link.
    RecordedMessages messages;
    const int result = PurgeFolder(product.Path(), 1, messages, [&](const std::string& folder) {
        held.push_back(folder);
        if (!swapped.empty())
            return;
        const std::string one = product / "sub\\one", two = product / "sub\\two";
        if (folder != one && folder != two)
            return;
        swapped = folder == one ? two : one;
        RemoveTree(swapped);
        link = std::make_unique<FolderLink>(swapped, outside.Path());
    });

    ASSERT_FALSE(swapped.empty());
    ASSERT_TRUE(link->Made()) << "could not make the link from the Linux side";
    EXPECT_EQ(TreeEntries(outside.Path()), outsideBefore) << "something behind the link changed";
    EXPECT_EQ(std::count(held.begin(), held.end(), swapped), 0) << "the purge went into the link";
    // Where the link cannot be removed (Wine), it and its folder are reported.
    std::vector<std::string> expected;
    if (GetFileAttributesA(swapped.c_str()) != INVALID_FILE_ATTRIBUTES)
        expected = {swapped, product / "sub"};
    ASSERT_EQ(messages.lines.size(), expected.size()) << testing::PrintToString(messages.lines);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(messages.lines[i].rfind(expected[i] + ": ", 0), 0u) << messages.lines[i];
    EXPECT_EQ(result, expected.empty() ? 1 : 0);
}

// The product folder itself a link: nothing behind it is touched. At depth
// 1 a folder left in place is not reported.
TEST(FolderLinks, AProductFolderThatIsALinkIsNotEntered)
{
    ScratchFolder outside("tolmic-outside");
    MakeTree(outside.Path(), {"Tolmic.exe", "keep.txt", "deep\\data.bin"});
    const std::vector<std::string> outsideBefore = TreeEntries(outside.Path());
    ScratchFolder parent("tolmic-link-parent");
    FolderLink product(parent / "product", outside.Path());
    ASSERT_TRUE(product.Made()) << "could not make the link from the Linux side";

    RecordedMessages messages;
    EXPECT_EQ(PurgeFolder(parent / "product", 1, messages), 1);
    EXPECT_EQ(messages.lines, std::vector<std::string>());
    EXPECT_EQ(TreeEntries(outside.Path()), outsideBefore);
}

}  // namespace
