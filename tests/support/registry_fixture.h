// Direct registry access for tests, under HKEY_LOCAL_MACHINE like the kit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

struct RawValue {
    bool exists = false;
    DWORD type = 0;
    std::string data;  // the stored bytes, exactly
};

RawValue ReadRawValue(const std::string& keyPath, const std::string& valueName);
void WriteRawValue(const std::string& keyPath, const std::string& valueName, DWORD type, const std::string& data);
bool KeyExists(const std::string& keyPath);
// Names of every value under the key, in any order.
std::vector<std::string> ValueNames(const std::string& keyPath);
// Deletes the key with everything below it; nothing when it is missing.
void DeleteKeyTree(const std::string& keyPath);

// A key path of the test's own below HKLM\SOFTWARE, deleted when the object
// goes, so that every test leaves the registry as it found it.
class ScratchKey {
public:
    explicit ScratchKey(const std::string& name);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace test_support
