// Environment variables set for a test and for the programs it starts,
// which inherit this process's environment.
#pragma once

#include <string>

namespace test_support {

// Sets the variable while the object lives, then restores it (or removes
// it, if it was not set).
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const std::string& name, const std::string& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_had = false;
};

// The variable's value; "" when it is not set.
std::string EnvironmentVariable(const std::string& name);

}  // namespace test_support
