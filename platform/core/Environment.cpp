#include "core/Environment.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace platform {

std::string Environment::variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Environment::root()
{
    std::string value = variable("PLATFORM_ROOT");
    while (!value.empty() && value.back() == '/')
        value.pop_back();
    return value;
}

std::string Environment::rootPath(const std::string& relative)
{
    return root() + "/" + relative;
}

UInt16 Environment::parseSystemVersion(const std::string& text)
{
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
        char* end = nullptr;
        unsigned long value = std::strtoul(text.c_str() + 2, &end, 16);
        return (*end == '\0' && value <= 0xFFFF && end != text.c_str() + 2) ? UInt16(value) : 0;
    }
    unsigned major = 0, minor = 0, bugfix = 0;
    char extra = 0;
    int fields = std::sscanf(text.c_str(), "%u.%u.%u%c", &major, &minor, &bugfix, &extra);
    if (fields < 2 || fields > 3 || major > 99 || minor > 9 || bugfix > 9)
        return 0;
    return UInt16(((major / 10) << 12) | ((major % 10) << 8) | (minor << 4) | bugfix);
}

UInt16 Environment::systemVersion()
{
    std::string text = variable("PLATFORM_SYSTEM_VERSION");
    UInt16 version = text.empty() ? 0 : parseSystemVersion(text);
    return version ? version : 0x1028;
}

std::string Environment::ui()
{
    std::string value = variable("PLATFORM_UI");
    if (value == "qt" || value == "headless")
        return value;
    return (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) ? "qt" : "headless";
}

std::string Environment::script() { return variable("PLATFORM_SCRIPT"); }
std::string Environment::transcript() { return variable("PLATFORM_TRANSCRIPT"); }
std::string Environment::restartCommand() { return variable("PLATFORM_RESTART_COMMAND"); }
std::string Environment::screenshots() { return variable("PLATFORM_SCREENSHOTS"); }

std::string Environment::auth()
{
    std::string value = variable("PLATFORM_AUTH");
    if (value == "grant" || value == "deny" || value == "sudo" || value == "pkexec")
        return value;
    if (geteuid() == 0)
        return "grant";
    return access("/usr/bin/pkexec", X_OK) == 0 ? "pkexec" : "sudo";
}

std::vector<std::string> Environment::settingsToCarry()
{
    std::vector<std::string> settings;
    for (char** entry = environ; entry && *entry; ++entry) {
        if (std::strncmp(*entry, "PLATFORM_", 9) == 0)
            settings.emplace_back(*entry);
    }
    return settings;
}

} // namespace platform
