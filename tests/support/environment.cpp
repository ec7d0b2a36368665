#include "environment.h"

#include <windows.h>

#include <vector>

namespace test_support {

namespace {
bool ReadVariable(const std::string& name, std::string& value)
{
    const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (needed == 0)
        return false;
    std::vector<char> buffer(needed);
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed)
        return false;
    value.assign(buffer.data(), length);
    return true;
}
}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const std::string& name, const std::string& value) : m_name(name)
{
    m_had = ReadVariable(name, m_old);
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable()
{
    SetEnvironmentVariableA(m_name.c_str(), m_had ? m_old.c_str() : nullptr);
}

std::string EnvironmentVariable(const std::string& name)
{
    std::string value;
    ReadVariable(name, value);
    return value;
}

}  // namespace test_support
