#include "process/ProcessTable.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/Environment.h"

bool operator<(const ProcessSerialNumber& a, const ProcessSerialNumber& b)
{
    return a.highLongOfPSN != b.highLongOfPSN ? a.highLongOfPSN < b.highLongOfPSN : a.lowLongOfPSN < b.lowLongOfPSN;
}

bool operator==(const ProcessSerialNumber& a, const ProcessSerialNumber& b)
{
    return a.highLongOfPSN == b.highLongOfPSN && a.lowLongOfPSN == b.lowLongOfPSN;
}

namespace platform {

namespace {

constexpr size_t maxProcessName = 31;
constexpr OSType unknownSignature = FOUR_CHAR('?', '?', '?', '?');

std::string firstArgument(int pid)
{
    std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::string argument;
    std::getline(cmdline, argument, '\0');
    return argument;
}

std::string executableOf(int pid)
{
    char target[4096];
    std::string link = "/proc/" + std::to_string(pid) + "/exe";
    ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, size_t(length)) : std::string();
}

bool liesUnder(const std::string& path, const std::string& root)
{
    return path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/';
}

std::string processName(const std::string& argument)
{
    size_t slash = argument.rfind('/');
    std::string name = slash == std::string::npos ? argument : argument.substr(slash + 1);
    return name.substr(0, std::min(name.size(), maxProcessName));
}

void addHostProcesses(std::vector<ProcessEntry>& entries)
{
    std::string root = Environment::root();
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return;
    while (dirent* item = ::readdir(proc)) {
        char* end = nullptr;
        long pid = std::strtol(item->d_name, &end, 10);
        if (*end != '\0' || pid <= 0)
            continue;
        std::string argument = firstArgument(int(pid));
        if (argument.empty())
            continue; // kernel threads and processes that are just ending
        if (!root.empty() && !liesUnder(executableOf(int(pid)), root))
            continue;
        entries.push_back({ProcessTable::serialNumberOf(int(pid)), processName(argument), unknownSignature, int(pid)});
    }
    ::closedir(proc);
}

} // namespace

ProcessSerialNumber ProcessTable::serialNumberOf(int pid)
{
    return {0, UInt32(pid)};
}

std::vector<ProcessEntry> ProcessTable::list()
{
    std::vector<ProcessEntry> entries;
    addHostProcesses(entries);
    if (Environment::systemVersion() >= 0x1000)
        entries.push_back({{systemProcessHigh, 1}, "loginwindow", unknownSignature, 0});
    else
        entries.push_back({{systemProcessHigh, 2}, "Finder", finderSignature, 0});
    std::sort(entries.begin(), entries.end(),
              [](const ProcessEntry& a, const ProcessEntry& b) { return a.psn < b.psn; });
    return entries;
}

bool ProcessTable::find(const ProcessSerialNumber& psn, ProcessEntry* entry)
{
    for (const ProcessEntry& candidate : list()) {
        if (candidate.psn == psn) {
            *entry = candidate;
            return true;
        }
    }
    return false;
}

} // namespace platform
