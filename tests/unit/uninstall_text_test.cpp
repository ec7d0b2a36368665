// The uninstaller's texts: message-list lines, error texts, file extensions
// and the clean-up script.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/paths.h"
#include "uninstall/cleanup_script.h"
#include "uninstall/message_list.h"
#include "uninstall/purge.h"

namespace {

// "0123456789" repeated and cut to `length`: every cut shows where it fell.
std::string Digits(size_t length)
{
    std::string text;
    while (text.size() < length)
        text += "0123456789";
    return text.substr(0, length);
}

TEST(MessageList, CutsMessagesIntoLinesOfFiftyCharacters)
{
    const std::string text120 = Digits(120);
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {Digits(50), {Digits(50)}},
        {Digits(51), {Digits(50), "0"}},
        {text120, {text120.substr(0, 50), text120.substr(50, 50), text120.substr(100)}},
        {"no\r\nspecial\tcharacters", {"no\r\nspecial\tcharacters"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitIntoListLines(c.text), c.lines) << "length " << c.text.size();
}

TEST(MessageList, ErrorTextIsTheSystemsOrNamesTheCode)
{
    const std::string denied = GetSystemErrorText(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(denied.empty());
    EXPECT_EQ(denied.find("Unknown error"), std::string::npos) << denied;
    EXPECT_EQ(denied.find('\n'), std::string::npos) << "the system breaks no lines of its own";

    EXPECT_EQ(GetSystemErrorText(12345), "Unknown error 12345");
    EXPECT_EQ(GetSystemErrorText(0xE0001234), "Unknown error 3758101044");
}

TEST(SourceFiles, ExtensionIsTheLowerCasedTextAfterTheLastPoint)
{
    const struct {
        const char* name;
        const char* extension;
        bool source;
    } cases[] = {
        {"Main.CPP", "cpp", true}, {"a.b.h", "h", true},     {".h", "h", true},
        {"x.Cpp", "cpp", true},    {"Y.H", "h", true},        {"z.c", "c", true},
        {"w.HPP", "hpp", true},    {"file.", "", false},      {"Makefile", "", false},
        {"x.cxx", "cxx", false},   {"x.cc", "cc", false},     {"x.hxx", "hxx", false},
        {"x.cpp.bak", "bak", false}, {"x.cpp ", "cpp ", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetExtension(c.name), c.extension) << c.name;
        EXPECT_EQ(IsSourceFileName(c.name), c.source) << c.name;
    }
}

TEST(CleanupScript, TextRetriesWithAPauseThenRemovesFolderAndItself)
{
    const std::string expected =
        "set /a tries=0\r\n"
        ":Repeat\r\n"
        "del \"C:\\P\\T\\UnInstall.exe\"\r\n"
        "if not exist \"C:\\P\\T\\UnInstall.exe\" goto Removed\r\n"
        "set /a tries+=1\r\n"
        "if %tries% geq 3600 goto Removed\r\n"
        "ping -n 2 127.0.0.1 >nul\r\n"
        "goto Repeat\r\n"
        ":Removed\r\n"
        "rmdir \"C:\\P\\T\"\r\n"
        "del \"C:\\Temp\\_uninsep.bat\"\r\n";
    EXPECT_EQ(FormatCleanupScript("C:\\P\\T\\UnInstall.exe", "C:\\P\\T", "C:\\Temp\\_uninsep.bat"), expected);
}

TEST(CleanupScript, DoublesEveryPercentAndKeepsOtherCharacters)
{
    const std::string text = FormatCleanupScript("C:\\100% & (x)\\%PATH%\\UnInstall.exe", "C:\\100% & (x)\\%PATH%",
                                                 "C:\\Te%mp\\_uninsep.bat");
    EXPECT_NE(text.find("del \"C:\\100%% & (x)\\%%PATH%%\\UnInstall.exe\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("if not exist \"C:\\100%% & (x)\\%%PATH%%\\UnInstall.exe\" goto"), std::string::npos);
    EXPECT_NE(text.find("rmdir \"C:\\100%% & (x)\\%%PATH%%\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("del \"C:\\Te%%mp\\_uninsep.bat\"\r\n"), std::string::npos);
}

// GetTempPathA reads TMP first; restores it when the test ends.
class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::string& folder)
    {
        char old[32767];
        const DWORD length = GetEnvironmentVariableA("TMP", old, sizeof old);
        m_had = length > 0 && length < sizeof old;
        if (m_had)
            m_old.assign(old, length);
        SetEnvironmentVariableA("TMP", folder.c_str());
    }
    ~TemporaryFolderOverride() { SetEnvironmentVariableA("TMP", m_had ? m_old.c_str() : nullptr); }

private:
    std::string m_old;
    bool m_had = false;
};

TEST(CleanupScript, PathIsInTheTemporaryFolderOrNoneWhenItWouldNotFit)
{
    const std::string temp = test_support::TemporaryFolder();
    std::string folder;
    std::string script;
    ASSERT_TRUE(GetCleanupScriptPath(folder, script));
    EXPECT_EQ(folder, temp);
    EXPECT_EQ(script, temp + "_uninsep.bat");

    // "C:\" and 244 characters and "\" are 248; "_uninsep.bat" makes 260.
    const std::string tooLong = "C:\\" + std::string(244, 'x');
    const std::string fits = "C:\\" + std::string(243, 'x');
    {
        TemporaryFolderOverride override(fits);
        ASSERT_TRUE(GetCleanupScriptPath(folder, script));
        EXPECT_EQ(script.size(), static_cast<size_t>(MAX_PATH - 1));
    }
    {
        TemporaryFolderOverride override(tooLong);
        folder = script = "unchanged";
        EXPECT_FALSE(GetCleanupScriptPath(folder, script));
        EXPECT_EQ(script, "unchanged");
    }
}

}  // namespace
