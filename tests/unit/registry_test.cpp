// CRegistryTool against Wine's real registry.
#include <gtest/gtest.h>

#include "common/registry.h"
#include "support/registry_fixture.h"

using namespace test_support;

namespace {

std::string Bytes(const char* data, size_t size) { return std::string(data, size); }

struct QueryCase {
    const char* what;
    bool createKey;
    DWORD type;       // of the stored value; 0: no value is stored
    std::string data;  // the stored bytes
    std::string expected;
};

TEST(RegistryTool, QueryStringValueReadsOnlyWholeRegSzValues)
{
    const std::string longest(2047, 'x');  // with its zero: exactly the 2048-byte buffer
    const std::string unterminatedLong(2047, 'y');
    const QueryCase cases[] = {
        {"missing key", false, 0, "", ""},
        {"missing value", true, 0, "", ""},
        {"plain text", true, REG_SZ, Bytes("Tolmic\0", 7), "Tolmic"},
        {"empty text", true, REG_SZ, Bytes("\0", 1), ""},
        {"no data at all", true, REG_SZ, "", ""},
        {"expandable text", true, REG_EXPAND_SZ, Bytes("C:\\x\0", 5), ""},
        {"number", true, REG_DWORD, Bytes("\x31\0\0\0", 4), ""},
        {"binary", true, REG_BINARY, Bytes("abc\0", 4), ""},
        {"2048 bytes with the zero", true, REG_SZ, longest + '\0', longest},
        {"2049 bytes with the zero", true, REG_SZ, longest + "x" + '\0', ""},
        {"unterminated", true, REG_SZ, "abc", "abc"},
        {"unterminated, one byte short of the buffer", true, REG_SZ, unterminatedLong, unterminatedLong},
        {"zero inside", true, REG_SZ, Bytes("ab\0cd\0", 6), "ab"},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchKey key("query");
        if (c.createKey)
            WriteRawValue(key.Path(), "other", REG_SZ, Bytes("\0", 1));
        if (c.type != 0)
            WriteRawValue(key.Path(), "value", c.type, c.data);
        EXPECT_EQ(CRegistryTool().QueryStringValue(key.Path(), "value"), c.expected);
    }
}

TEST(RegistryTool, SetValueStoresRegSzWithItsZeroAndCreatesMissingKeys)
{
    struct SetCase {
        const char* what;
        DWORD existingType;  // 0: nothing there before
        std::string text;
    };
    const SetCase cases[] = {
        {"new keys two levels deep", 0, "C:\\Program Files\\Tolmic 2007"},
        {"empty text is one zero byte", 0, ""},
        {"replaces a number", REG_DWORD, "now text"},
        {"replaces older text", REG_SZ, "newer"},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchKey key("set");
        const std::string path = key.Path() + "\\Deeper\\Deepest";
        if (c.existingType != 0)
            WriteRawValue(path, "value", c.existingType, Bytes("\x05\0\0\0", 4));
        CRegistryTool().SetValue(path, "value", c.text);
        const RawValue stored = ReadRawValue(path, "value");
        ASSERT_TRUE(stored.exists);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.data, c.text + '\0');
    }
}

TEST(RegistryTool, DeleteSubKeyRemovesOneKeyAndNothingElse)
{
    ScratchKey key("delete");
    WriteRawValue(key.Path() + "\\Child", "v", REG_SZ, Bytes("\0", 1));
    WriteRawValue(key.Path() + "\\Parent\\Grandchild", "v", REG_SZ, Bytes("\0", 1));
    CRegistryTool tool;

    tool.DeleteSubKey(key.Path(), "Child");
    EXPECT_FALSE(KeyExists(key.Path() + "\\Child"));
    EXPECT_TRUE(KeyExists(key.Path()));

    // A key with subkeys of its own is not walked: the grandchild stays.
    tool.DeleteSubKey(key.Path(), "Parent");
    EXPECT_TRUE(KeyExists(key.Path() + "\\Parent\\Grandchild"));

    // Deleting the deepest key first, then its parent, removes the branch.
    tool.DeleteSubKey(key.Path() + "\\Parent", "Grandchild");
    tool.DeleteSubKey(key.Path(), "Parent");
    EXPECT_FALSE(KeyExists(key.Path() + "\\Parent"));

    // What does not exist is passed over quietly.
    tool.DeleteSubKey(key.Path(), "Missing");
    tool.DeleteSubKey(key.Path() + "\\NoSuchParent", "Missing");
    EXPECT_TRUE(KeyExists(key.Path()));
    EXPECT_FALSE(KeyExists(key.Path() + "\\NoSuchParent"));
}

TEST(RegistryTool, DeleteValueRemovesOnlyTheNamedValue)
{
    ScratchKey key("value");
    WriteRawValue(key.Path(), "gone", REG_SZ, Bytes("a\0", 2));
    WriteRawValue(key.Path(), "kept", REG_SZ, Bytes("b\0", 2));
    CRegistryTool tool;

    tool.DeleteValue(key.Path(), "gone");
    tool.DeleteValue(key.Path(), "never there");
    tool.DeleteValue(key.Path() + "\\NoSuchKey", "gone");

    EXPECT_FALSE(ReadRawValue(key.Path(), "gone").exists);
    EXPECT_EQ(ReadRawValue(key.Path(), "kept").data, Bytes("b\0", 2));
    EXPECT_FALSE(KeyExists(key.Path() + "\\NoSuchKey"));
}

}  // namespace
