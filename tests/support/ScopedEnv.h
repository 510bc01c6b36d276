#pragma once
// Sets environment variables for one test and restores them afterwards.

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

class ScopedEnv {
public:
    ~ScopedEnv()
    {
        for (const auto& [name, value] : saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    void set(const std::string& name, const std::string& value)
    {
        remember(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }

    void unset(const std::string& name)
    {
        remember(name);
        ::unsetenv(name.c_str());
    }

private:
    void remember(const std::string& name)
    {
        if (saved.count(name))
            return;
        const char* value = std::getenv(name.c_str());
        saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }

    std::map<std::string, std::optional<std::string>> saved;
};
