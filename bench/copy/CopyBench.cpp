// Runs one folder copy or one folder deletion the way the installer does it,
// for bench/run.sh to time against cp -a and rm -rf:
//
//     copy_bench install <source folder> <destination folder> <copy name>
//     copy_bench delete <folder>
//     copy_bench measure <program> <arguments>...
//
// measure runs a program and prints its wall-clock time in seconds, its peak
// resident memory in kilobytes and its processor time (user and system) in
// seconds, so that both sides are measured alike.
// Exits 0 on success; prints the error otherwise.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/Options.h"
#include "files/Files.h"
#include "files/MoreFiles.h"
#include "install/InstallDirectory.h"
#include "text/String.h"

namespace {

struct Location {
    SInt16 vRefNum = 0;
    long dirID = 0;
};

bool locate(const std::filesystem::path& folder, Location* location)
{
    return platform::locateFolder(folder.string(), &location->vRefNum, &location->dirID) == noErr;
}

int install(const std::filesystem::path& source, const std::filesystem::path& destination, const char* copyName)
{
    Location parent;
    Location target;
    if (!locate(source.parent_path(), &parent) || !locate(destination, &target)) {
        std::fprintf(stderr, "copy_bench: cannot find %s or %s\n", source.c_str(), destination.c_str());
        return 2;
    }
    if (installDirectory(parent.vRefNum, parent.dirID, source.filename().c_str(), target.vRefNum, target.dirID,
                         copyName)) {
        std::fprintf(stderr, "copy_bench: %s\n", static_cast<const char*>(Options.errorText));
        return 1;
    }
    return 0;
}

int deleteFolder(const std::filesystem::path& folder)
{
    Location parent;
    if (!locate(folder.parent_path(), &parent)) {
        std::fprintf(stderr, "copy_bench: cannot find %s\n", folder.parent_path().c_str());
        return 2;
    }
    String name(folder.filename().c_str());
    OSErr error = DeleteDirectory(parent.vRefNum, parent.dirID, name.getPascalStr());
    if (error != noErr) {
        std::fprintf(stderr, "copy_bench: DeleteDirectory failed (%d)\n", error);
        return 1;
    }
    return 0;
}

int measure(char** command)
{
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) {
        std::perror("copy_bench: fork");
        return 2;
    }
    if (child == 0) {
        execvp(command[0], command);
        std::perror("copy_bench: exec");
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("copy_bench: wait4");
        return 2;
    }
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    std::printf("%.6f %ld %.6f\n", elapsed.count(), usage.ru_maxrss,
                seconds(usage.ru_utime) + seconds(usage.ru_stime));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "install") == 0)
        return install(std::filesystem::absolute(argv[2]), std::filesystem::absolute(argv[3]), argv[4]);
    if (argc == 3 && std::strcmp(argv[1], "delete") == 0)
        return deleteFolder(std::filesystem::absolute(argv[2]));
    if (argc >= 3 && std::strcmp(argv[1], "measure") == 0)
        return measure(argv + 2);
    std::fprintf(stderr, "usage: copy_bench install <source> <destination> <copy name> | delete <folder> | "
                         "measure <program> <arguments>...\n");
    return 2;
}
