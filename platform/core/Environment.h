#pragma once
// The settings of the emulated machine, read from PLATFORM_* variables.
// Only the platform reads them; the installer itself has no environment.

#include <string>
#include <vector>

#include "core/MacTypes.h"

namespace platform {

class Environment {
public:
    // Host folder that is the root of the startup volume, without a trailing "/"
    // (empty text for the host root "/").
    static std::string root();
    // A host path inside the startup volume's root: rootPath("Applications").
    static std::string rootPath(const std::string& relative);

    // What Gestalt 'sysv' answers: "10.2.8", "9.2.2" or hex "0x1028"; default 10.2.8.
    static UInt16 systemVersion();
    // Parses a version text as above; 0 when it cannot be read.
    static UInt16 parseSystemVersion(const std::string& text);

    static std::string ui();               // "qt" or "headless"
    static std::string script();           // action script path or ""
    static std::string transcript();       // transcript path or ""
    static std::string auth();             // "grant", "deny", "sudo" or "pkexec"
    static std::string restartCommand();   // "" when unset
    static std::string screenshots();      // "" when unset

    // NAME=value for every PLATFORM_* variable that is set, to hand on to a
    // relaunched process (sudo and pkexec scrub the environment).
    static std::vector<std::string> settingsToCarry();

private:
    static std::string variable(const char* name);
};

} // namespace platform
