#pragma once
// A host program copied onto the emulated volume under a name of its own and
// started there, so that the Process Manager lists it under that name.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/Eventually.h"

class VolumeProcess {
public:
    VolumeProcess(const std::string& folder, const std::string& name)
    {
        std::string path = folder + "/" + name;
        std::filesystem::create_directories(folder);
        if (!std::filesystem::exists(path))
            std::filesystem::copy_file("/bin/sleep", path);
        ::chmod(path.c_str(), 0755);
        pid = ::fork();
        if (pid == 0) {
            ::execl(path.c_str(), path.c_str(), "30", nullptr);
            ::_exit(127);
        }
        std::string exe = "/proc/" + std::to_string(pid) + "/exe";
        eventually([&] {
            std::error_code error;
            return std::filesystem::read_symlink(exe, error) == path;
        });
    }
    ~VolumeProcess()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    VolumeProcess(const VolumeProcess&) = delete;
    VolumeProcess& operator=(const VolumeProcess&) = delete;

    // True while the process has not ended.
    bool isRunning() { return pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0; }

    // The signal that ended the process, or 0 while it still runs after a while.
    int endingSignal()
    {
        if (pid <= 0)
            return 0;
        int status = 0;
        if (!eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }))
            return 0;
        pid = -1;
        return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }

    pid_t pid;
};
