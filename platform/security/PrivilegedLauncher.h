#pragma once
// How this host obtains the administrator right and starts a program with it,
// as PLATFORM_AUTH chooses: "grant" and "deny" decide at once, "sudo" asks with
// `sudo -v` and starts with `sudo -n`, "pkexec" starts through polkit.

#include <string>
#include <vector>

namespace platform {

class PrivilegedLauncher {
public:
    explicit PrivilegedLauncher(std::string mode);

    // Asks for the right; true when it is held.
    bool obtainRight() const;
    // Starts the tool (a Mac path, resolved on this host) with the arguments,
    // without waiting. False when nothing could be started.
    bool start(const std::string& tool, const std::vector<std::string>& arguments) const;

    // Where this host keeps a tool the Mac keeps at path ("/usr/sbin/chown").
    static std::string resolveTool(const std::string& path);
    // The arguments as this host's tool understands them: the Mac's group
    // "wheel" is group 0 where the host has no group of that name.
    static std::vector<std::string> hostArguments(const std::string& tool, std::vector<std::string> arguments);

private:
    std::vector<std::string> carriedEnvironment() const;
    std::string mode;
};

} // namespace platform
