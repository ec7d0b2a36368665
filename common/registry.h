// String values and keys under HKEY_LOCAL_MACHINE. Every operation opens the
// one key it needs with KEY_ALL_ACCESS, does one thing and closes the key
// before it returns. Failures are never reported to the caller, except that
// a failed read gives the empty text.
#pragma once

#include <string>

class CRegistryTool {
public:
    // The REG_SZ value's text, or "" when the key cannot be opened, the value
    // is missing, is not REG_SZ or does not fit 2048 bytes with its zero.
    std::string QueryStringValue(std::string keyPath, std::string valueName);

    // Sets a REG_SZ value (text plus its zero byte), creating the key and
    // any missing keys above it when the key does not exist.
    void SetValue(std::string keyPath, std::string valueName, std::string value);

    // Deletes one subkey (without subkeys of its own) of the parent key.
    void DeleteSubKey(std::string parentKeyPath, std::string subKeyName);

    void DeleteValue(std::string keyPath, std::string valueName);
};
