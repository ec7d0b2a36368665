#include "registry_fixture.h"

#include <shlwapi.h>

#include "common/handles.h"

namespace test_support {

RawValue ReadRawValue(const std::string& keyPath, const std::string& valueName)
{
    RawValue value;
    UniqueRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        key.Release();
        return value;
    }
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return value;
    value.data.resize(size);
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(&value.data[0]), &size) != ERROR_SUCCESS)
        return value;
    value.data.resize(size);
    value.exists = true;
    return value;
}

void WriteRawValue(const std::string& keyPath, const std::string& valueName, DWORD type, const std::string& data)
{
    UniqueRegistryKey key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Put(),
                        nullptr) != ERROR_SUCCESS) {
        key.Release();
        return;
    }
    RegSetValueExA(key.Get(), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

bool KeyExists(const std::string& keyPath)
{
    UniqueRegistryKey key;
    const bool opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
    if (!opened)
        key.Release();
    return opened;
}

std::vector<std::string> ValueNames(const std::string& keyPath)
{
    std::vector<std::string> names;
    UniqueRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        key.Release();
        return names;
    }
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

void DeleteKeyTree(const std::string& keyPath)
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str());
}

namespace {
const char kScratchParent[] = "SOFTWARE\\TolmicKitTests";
}

ScratchKey::ScratchKey(const std::string& name)
    : m_path(std::string(kScratchParent) + "\\" + name + "-" + std::to_string(GetCurrentProcessId()))
{
    DeleteKeyTree(m_path);
}

ScratchKey::~ScratchKey()
{
    DeleteKeyTree(m_path);
    // Only when empty: other test processes may be using keys beside ours.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchParent);
}

}  // namespace test_support
