#pragma once
// Starting a host program that runs on its own: the caller never waits for
// it, and no zombie is left behind (the program is started from a short-lived
// intermediate child, so it is adopted by init).

#include <string>
#include <vector>

namespace platform {

class DetachedProcess {
public:
    // Starts program with the arguments (argv[0] first) and the environment
    // (NAME=value entries); false when no process could be started.
    static bool start(const std::vector<std::string>& argv, const std::vector<std::string>& environment);
    // The current environment, as NAME=value entries.
    static std::vector<std::string> currentEnvironment();
};

} // namespace platform
