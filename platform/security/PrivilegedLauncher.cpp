#include "security/PrivilegedLauncher.h"

#include <grp.h>
#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "core/DetachedProcess.h"
#include "core/Environment.h"

namespace platform {

namespace {

bool isExecutable(const std::string& path)
{
    return ::access(path.c_str(), X_OK) == 0;
}

std::string baseName(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Runs a command and waits for it: used only for the password prompt.
bool runAndWait(const std::vector<std::string>& argv)
{
    // Prepared before fork: the child of a threaded process may only make
    // async-signal-safe calls.
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Variables a graphical program needs besides the emulated machine's own.
constexpr const char* displayVariables[] = {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                                            "QT_QPA_PLATFORM"};

} // namespace

PrivilegedLauncher::PrivilegedLauncher(std::string mode) : mode(std::move(mode)) {}

bool PrivilegedLauncher::obtainRight() const
{
    if (mode == "grant" || mode == "pkexec")
        return true; // pkexec asks when the program starts
    if (mode == "sudo") {
        bool graphical = std::getenv("DISPLAY") && std::getenv("SUDO_ASKPASS");
        return graphical ? runAndWait({"sudo", "-A", "-v"}) : runAndWait({"sudo", "-v"});
    }
    return false;
}

std::string PrivilegedLauncher::resolveTool(const std::string& path)
{
    if (isExecutable(path))
        return path;
    std::string name = baseName(path);
    for (const char* folder : {"/usr/bin/", "/bin/", "/usr/sbin/", "/sbin/"}) {
        std::string candidate = folder + name;
        if (isExecutable(candidate))
            return candidate;
    }
    return path;
}

std::vector<std::string> PrivilegedLauncher::hostArguments(const std::string& tool, std::vector<std::string> arguments)
{
    if (baseName(tool) != "chown" || ::getgrnam("wheel"))
        return arguments;
    const std::string wheel = ":wheel";
    for (std::string& argument : arguments) {
        if (argument.size() > wheel.size() && argument.compare(argument.size() - wheel.size(), wheel.size(), wheel) == 0)
            argument.replace(argument.size() - wheel.size(), wheel.size(), ":0");
    }
    return arguments;
}

std::vector<std::string> PrivilegedLauncher::carriedEnvironment() const
{
    std::vector<std::string> settings = Environment::settingsToCarry();
    for (const char* name : displayVariables) {
        if (const char* value = std::getenv(name))
            settings.push_back(std::string(name) + "=" + value);
    }
    return settings;
}

bool PrivilegedLauncher::start(const std::string& tool, const std::vector<std::string>& arguments) const
{
    std::vector<std::string> argv;
    if (mode == "sudo")
        argv = {resolveTool("/usr/bin/sudo"), "-n", "/usr/bin/env"};
    else if (mode == "pkexec")
        argv = {resolveTool("/usr/bin/pkexec"), "/usr/bin/env"};
    if (!argv.empty()) {
        for (const std::string& setting : carriedEnvironment())
            argv.push_back(setting);
    }
    argv.push_back(resolveTool(tool));
    for (const std::string& argument : hostArguments(tool, arguments))
        argv.push_back(argument);
    return DetachedProcess::start(argv, DetachedProcess::currentEnvironment());
}

} // namespace platform
