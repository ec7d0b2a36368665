#include "common/registry.h"

#include <windows.h>

#include "common/handles.h"
#include "common/trace.h"

namespace {
const DWORD kReadBufferSize = 2048;

LONG OpenKey(const std::string& keyPath, UniqueRegistryKey& key)
{
    const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_ALL_ACCESS, key.Put());
    if (result != ERROR_SUCCESS)
        key.Release();  // whatever a failed open left there is not a key to close
    return result;
}

// Deletes one named subkey or value of the key. One that is already gone is
// not a failure, and nothing is reported to the caller either way.
void DeleteUnderKey(const std::string& keyPath, const std::string& name, LONG(WINAPI* deleteItem)(HKEY, LPCSTR),
                    const char* failureTrace)
{
    UniqueRegistryKey key;
    if (OpenKey(keyPath, key) != ERROR_SUCCESS) {
        DEV_TRACE("Could not open registry %s\n", keyPath.c_str());
        return;
    }
    const LONG result = deleteItem(key.Get(), name.c_str());
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        DEV_TRACE(failureTrace, name.c_str());
}
}  // namespace

std::string CRegistryTool::QueryStringValue(std::string keyPath, std::string valueName)
{
    UniqueRegistryKey key;
    if (OpenKey(keyPath, key) != ERROR_SUCCESS)
        return std::string();

    char buffer[kReadBufferSize];
    DWORD type = 0;
    DWORD size = kReadBufferSize;
    const LONG result = RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    if (result == ERROR_FILE_NOT_FOUND)
        return std::string();
    if (result != ERROR_SUCCESS) {
        DEV_TRACE("Could not query registry error = %d\n", static_cast<int>(result));
        return std::string();
    }
    if (type != REG_SZ || size > kReadBufferSize) {
        DEV_TRACE("Not a string type?\n");
        return std::string();
    }
    // The stored data need not end in a zero byte: the text ends at the
    // first zero or at the end of the data, whichever comes first.
    std::string text(buffer, size);
    const std::string::size_type zero = text.find('\0');
    if (zero != std::string::npos)
        text.erase(zero);
    return text;
}

void CRegistryTool::SetValue(std::string keyPath, std::string valueName, std::string value)
{
    UniqueRegistryKey key;
    const LONG opened = OpenKey(keyPath, key);
    if (opened == ERROR_FILE_NOT_FOUND) {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
            key.Release();
        }
    }
    if (!key) {
        DEV_TRACE("Could not open/create registry key for write?\n");
        return;
    }
    const LONG written = RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size() + 1));
    if (written != ERROR_SUCCESS)
        DEV_TRACE("Cannot write to the registry, error = %d\n", static_cast<int>(written));
}

void CRegistryTool::DeleteSubKey(std::string parentKeyPath, std::string subKeyName)
{
    DeleteUnderKey(parentKeyPath, subKeyName, RegDeleteKeyA, "Cannot delete subkey %s\n");
}

void CRegistryTool::DeleteValue(std::string keyPath, std::string valueName)
{
    DeleteUnderKey(keyPath, valueName, RegDeleteValueA, "Cannot delete value %s\n");
}
