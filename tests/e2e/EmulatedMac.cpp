#include "EmulatedMac.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> macOsXFolders = {"Applications", "System/Library/Extensions", "Library/Modem Scripts",
                                                "Library/Preferences"};
const std::vector<std::string> macOs9Folders = {"Applications", "System Folder/Extensions/Modem Scripts",
                                                "System Folder/Preferences", "System Folder/Control Panels"};

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

} // namespace

EmulatedMac::EmulatedMac(const std::string& systemVersion) : systemVersion(systemVersion)
{
    for (const std::string& folderName : systemVersion.rfind("9.", 0) == 0 ? macOs9Folders : macOsXFolders)
        fs::create_directories(volume() + "/" + folderName);
    std::string copy = "cp -a " + quoted(std::string(DSL_BINARY_DIR) + "/Installer.app") + " " + quoted(volume());
    if (std::system(copy.c_str()) != 0)
        throw std::runtime_error("cannot copy the example bundle");
}

std::string EmulatedMac::uninstaller() const
{
    std::string folder = systemVersion.rfind("9.", 0) == 0 ? "MacOSClassic" : "MacOS";
    return volume() + "/Applications/DSL Modem/Uninstall DSL Modem.app/Contents/" + folder + "/Uninstall DSL Modem";
}

std::string EmulatedMac::stagedBundle() const
{
    return volume() + "/private/tmp/" + std::to_string(::getuid()) + "/Temporary Items/Uninstall DSL Modem.app";
}

bool EmulatedMac::exists(const std::string& relative) const
{
    std::error_code error;
    return fs::symlink_status(volume() + "/" + relative, error).type() != fs::file_type::not_found;
}

void EmulatedMac::run(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& script, const std::string& auth)
{
    std::ofstream(folder / "script") << script;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY PLATFORM_UI=headless PLATFORM_ROOT=" + quoted(volume()) +
                          " PLATFORM_SYSTEM_VERSION=" + systemVersion + " PLATFORM_AUTH=" + auth +
                          " PLATFORM_SCRIPT=" + quoted(folder / "script") +
                          " PLATFORM_TRANSCRIPT=" + quoted(folder / "transcript") +
                          " PLATFORM_RESTART_COMMAND=" + quoted("touch " + folder / "restarted");
    for (const std::string& setting : settings)
        command += " " + quoted(setting);
    command += " " + quoted(program);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " >/dev/null 2>&1";
    std::system(command.c_str());
    for (int i = 0; i < 1500 && volumeProcessesRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

bool EmulatedMac::volumeProcessesRunning() const
{
    std::string prefix = volume() + "/";
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        std::error_code error;
        fs::path exe = fs::read_symlink(entry.path() / "exe", error);
        if (!error && exe.string().rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

std::vector<std::string> EmulatedMac::events() const
{
    std::vector<std::string> events;
    std::istringstream transcript(folder.read("transcript"));
    std::string line;
    while (std::getline(transcript, line))
        events.push_back(line.substr(line.find(' ') + 1));
    return events;
}

size_t EmulatedMac::processCount() const
{
    std::set<std::string> pids;
    std::istringstream transcript(folder.read("transcript"));
    std::string line;
    while (std::getline(transcript, line))
        pids.insert(line.substr(0, line.find(' ')));
    return pids.size();
}

std::vector<std::string> EmulatedMac::lines(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& event : events()) {
        if (event.rfind(prefix, 0) == 0)
            found.push_back(event);
    }
    return found;
}

bool EmulatedMac::restarted() const
{
    for (int i = 0; i < 50 && !fs::exists(folder / "restarted"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(folder / "restarted");
}
