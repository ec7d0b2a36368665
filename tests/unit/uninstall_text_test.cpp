// The uninstaller's texts: message-list lines, error texts, file extensions
// and the clean-up script.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/environment.h"
#include "support/paths.h"
#include "uninstall/cleanup_script.h"
#include "uninstall/cleanup_script_text.h"
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

// Code pages as this Wine has them: ANSI 1252, OEM 437.
const CodePages kWestern = {1252, 437};

CleanupScriptPaths AsciiPaths()
{
    CleanupScriptPaths paths;
    paths.program = {"C:\\P\\T\\UnInstall.exe", ""};
    paths.folder = {"C:\\P\\T", ""};
    paths.script = {"C:\\Temp\\_uninsep.bat", ""};
    paths.ping = {"C:\\windows\\system32\\ping.exe", ""};
    paths.pipe = "\\\\.\\pipe\\tolmic-uninstall-12-34";
    return paths;
}

// The script's text, or "unchanged" when none is written.
std::string Format(const CleanupScriptPaths& paths, const CodePages& pages = kWestern)
{
    std::string text = "unchanged";
    if (!FormatCleanupScript(paths, pages, text)) {
        EXPECT_EQ(text, "unchanged") << "a refused script leaves the text alone";
    }
    return text;
}

const char kAsciiScript[] =
    "(\r\n"
    "set /p tolmicwait=<\"\\\\.\\pipe\\tolmic-uninstall-12-34\"\r\n"
    "for /l %%t in (1,1,3600) do (\r\n"
    "del \"C:\\P\\T\\UnInstall.exe\"\r\n"
    "if not exist \"C:\\P\\T\\UnInstall.exe\" (\r\n"
    "rmdir \"C:\\P\\T\"\r\n"
    "del \"C:\\Temp\\_uninsep.bat\"\r\n"
    "exit\r\n"
    ")\r\n"
    "if %%t gtr 20 \"C:\\windows\\system32\\ping.exe\" -n 2 127.0.0.1 >nul\r\n"
    ")\r\n"
    "rmdir \"C:\\P\\T\"\r\n"
    "del \"C:\\Temp\\_uninsep.bat\"\r\n"
    "exit\r\n"
    ")\r\n";

TEST(CleanupScript, TextWaitsOnThePipeThenRetriesAndRemovesFolderAndItself)
{
    EXPECT_EQ(Format(AsciiPaths()), kAsciiScript);

    // Without a pipe the loop alone waits.
    CleanupScriptPaths noPipe = AsciiPaths();
    noPipe.pipe.clear();
    std::string expected = kAsciiScript;
    const std::string waitLine = "set /p tolmicwait=<\"\\\\.\\pipe\\tolmic-uninstall-12-34\"\r\n";
    expected.erase(expected.find(waitLine), waitLine.size());
    EXPECT_EQ(Format(noPipe), expected);
}

// The product folder as the script spells it in `del` and `rmdir`, or no
// script at all. Hex escapes end where a letter follows that would belong
// to them.
TEST(CleanupScript, SpellsThePathsExactlyInTheOemCodePageOrWritesNoScript)
{
    const struct {
        const char* what;
        std::string folder;
        std::string folderShort;
        CodePages pages;
        const char* spelled;  // null: no script
    } cases[] = {
        {"ASCII: no byte changes, % doubled", "C:\\100% & (x)\\%PATH%", "", kWestern, "C:\\100%% & (x)\\%%PATH%%"},
        {"e acute, U and sharp s as their OEM 437 bytes", "C:\\Apps\\Tolmic Caf\xE9 \xDC" "ber Stra\xDF" "e", "",
         kWestern, "C:\\Apps\\Tolmic Caf\x82 \x9A" "ber Stra\xE1" "e"},
        {"the OEM page asked for: 850", "C:\\\xC0 la carte", "", {1252, 850}, "C:\\\xB7 la carte"},
        {"euro sign, not in OEM 437: the short form", "C:\\Apps\\Tolmic \x80", "C:\\Apps\\TOLMIC~1", kWestern,
         "C:\\Apps\\TOLMIC~1"},
        {"the long form wherever it can be spelled", "C:\\Apps\\Tolmic Caf\xE9", "C:\\Apps\\TOLMIC~1", kWestern,
         "C:\\Apps\\Tolmic Caf\x82"},
        {"euro sign and no short form", "C:\\Apps\\Tolmic \x80", "", kWestern, nullptr},
        {"a short form that cannot be spelled either", "C:\\Apps\\Tolmic \x80", "C:\\Apps\\TOLMIC\x80~1", kWestern,
         nullptr},
        {"A grave, not in OEM 437, where a best fit would give A", "C:\\\xC0 la carte", "", kWestern, nullptr},
        {"one code page for both: the bytes as they are", "C:\\Apps\\Tolmic \x80", "", {1252, 1252},
         "C:\\Apps\\Tolmic \x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CleanupScriptPaths paths = AsciiPaths();
        paths.folder = {c.folder, c.folderShort};
        paths.program = {c.folder + "\\UnInstall.exe", c.folderShort.empty() ? "" : c.folderShort + "\\UnInstall.exe"};
        const std::string text = Format(paths, c.pages);
        if (!c.spelled) {
            EXPECT_EQ(text, "unchanged");
            continue;
        }
        const std::string folder = std::string("\"") + c.spelled + "\"";
        const std::string program = std::string("\"") + c.spelled + "\\UnInstall.exe\"";
        EXPECT_NE(text.find("\r\ndel " + program + "\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\r\nif not exist " + program + " (\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\r\nrmdir " + folder + "\r\n"), std::string::npos) << text;
    }
}

TEST(CleanupScript, TheScriptsOwnPathAndPingAreSpelledTheSameWay)
{
    CleanupScriptPaths user = AsciiPaths();
    user.script = {"C:\\users\\Jos\xE9 M\xFCller\\Temp\\_uninsep.bat", ""};
    const std::string text = Format(user);
    const std::string selfDelete = "\r\ndel \"C:\\users\\Jos\x82 M\x81ller\\Temp\\_uninsep.bat\"\r\n";
    ASSERT_NE(text.find(selfDelete), std::string::npos) << text;
    EXPECT_NE(text.find(selfDelete, text.find(selfDelete) + 1), std::string::npos) << "both ways out delete it";

    CleanupScriptPaths euro = AsciiPaths();
    euro.script = {"C:\\users\\Ren\x80\\Temp\\_uninsep.bat", "C:\\users\\REN~1\\Temp\\_uninsep.bat"};
    EXPECT_NE(Format(euro).find("\r\ndel \"C:\\users\\REN~1\\Temp\\_uninsep.bat\"\r\n"), std::string::npos);
    euro.script.shortForm.clear();
    EXPECT_EQ(Format(euro), "unchanged");

    CleanupScriptPaths ping = AsciiPaths();
    ping.ping = {"C:\\Syst\x80me\\ping.exe", ""};
    EXPECT_EQ(Format(ping), "unchanged");
}

TEST(CleanupScript, InterpreterRunsTheQuotedScriptWithoutAutoRunOrDelayedExpansion)
{
    const struct {
        ScriptPath script;
        const char* parameters;  // null: none can be given
    } cases[] = {
        {{"C:\\Temp\\_uninsep.bat", ""}, "/D /V:OFF /E:ON /C \"\"C:\\Temp\\_uninsep.bat\"\""},
        // The command line is ANSI text: no OEM spelling there.
        {{"C:\\users\\Jos\xE9 & (x)\\_uninsep.bat", ""},
         "/D /V:OFF /E:ON /C \"\"C:\\users\\Jos\xE9 & (x)\\_uninsep.bat\"\""},
        {{"C:\\users\\100%OS%\\_uninsep.bat", "C:\\users\\100OS~1\\_uninsep.bat"},
         "/D /V:OFF /E:ON /C \"\"C:\\users\\100OS~1\\_uninsep.bat\"\""},
        {{"C:\\users\\100%OS%\\_uninsep.bat", ""}, nullptr},
        {{"C:\\users\\100%OS%\\_uninsep.bat", "C:\\users\\100%OS~1\\_uninsep.bat"}, nullptr},
    };
    for (const auto& c : cases) {
        std::string parameters = "unchanged";
        EXPECT_EQ(InterpreterParameters(c.script, parameters), c.parameters != nullptr) << c.script.longForm;
        EXPECT_EQ(parameters, c.parameters ? c.parameters : "unchanged") << c.script.longForm;
    }
}

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
        test_support::ScopedEnvironmentVariable override("TMP", fits);
        ASSERT_TRUE(GetCleanupScriptPath(folder, script));
        EXPECT_EQ(script.size(), static_cast<size_t>(MAX_PATH - 1));
    }
    {
        test_support::ScopedEnvironmentVariable override("TMP", tooLong);
        folder = script = "unchanged";
        EXPECT_FALSE(GetCleanupScriptPath(folder, script));
        EXPECT_EQ(script, "unchanged");
    }
}

}  // namespace
