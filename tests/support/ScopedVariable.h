// An environment variable set (or removed) for the life of the object; the old value comes back.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace testsupport {

class ScopedVariable {
public:
    // No value removes the variable.
    ScopedVariable(std::string name, const std::optional<std::string>& value) : Name(std::move(name))
    {
        if (const char* old = std::getenv(Name.c_str()))
            Previous = old;
        Set(value);
    }
    ~ScopedVariable() { Set(Previous); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<std::string>& value) const
    {
        if (value)
            ::setenv(Name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(Name.c_str());
    }

    std::string Name;
    std::optional<std::string> Previous;
};

} // namespace testsupport
