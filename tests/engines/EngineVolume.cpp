#include "EngineVolume.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <algorithm>
#include <filesystem>

#include "app/InstApp.h"
#include "app/Options.h"
#include "process/Processes.h"
#include "tests/support/RecordedLines.h"

namespace fs = std::filesystem;

namespace {

bool isOsxVersion(const std::string& version)
{
    if (version.rfind("0x", 0) == 0)
        return std::stoi(version.substr(2), nullptr, 16) >= 0x1000;
    return std::stoi(version) >= 10;
}

} // namespace

EngineVolume::EngineVolume(const std::string& systemVersion)
    : osx(isOsxVersion(systemVersion))
{
    std::string source = std::string(DSL_SOURCE_DIR) + "/bundle";
    fs::create_directories(contents());
    fs::copy_file(source + "/PkgInfo", contents() + "/PkgInfo");
    fs::copy_file(source + "/Info.plist", contents() + "/Info.plist");
    fs::copy(source + "/Resources", contents() + "/Resources", fs::copy_options::recursive);
    fs::copy(source + "/InstallerFiles", contents() + "/InstallerFiles", fs::copy_options::recursive);
    fs::copy(source + "/payload", contents(), fs::copy_options::recursive);
    writeBundleFile("MacOS/Installer", "Mac OS X program");
    writeBundleFile("MacOSClassic/Installer", "Mac OS 9 program");

    for (const std::string& systemFolder : {applications(), drivers(), modemScripts(), preferences()})
        fs::create_directories(systemFolder);
    if (!osx) {
        fs::create_directories(controlPanels());
        fs::create_directories(systemControlPanels());
    }
    std::ofstream(folder / "script") << "";

    env.set("PLATFORM_UI", "headless");
    env.set("PLATFORM_ROOT", volume());
    env.set("PLATFORM_SYSTEM_VERSION", systemVersion);
    env.set("PLATFORM_SCRIPT", folder / "script");
    env.set("PLATFORM_TRANSCRIPT", transcriptPath());
    env.set("PLATFORM_AUTH", "grant");
    env.unset("PLATFORM_RESTART_COMMAND");
    platform::setCurrentExecutableForTesting(contents() + (osx ? "/MacOS/Installer" : "/MacOSClassic/Installer"));
}

EngineVolume::~EngineVolume()
{
    platform::setCurrentExecutableForTesting("");
}

std::string EngineVolume::drivers() const
{
    return volume() + (osx ? "/System/Library/Extensions" : "/System Folder/Extensions");
}

std::string EngineVolume::modemScripts() const
{
    return volume() + (osx ? "/Library/Modem Scripts" : "/System Folder/Extensions/Modem Scripts");
}

std::string EngineVolume::preferences() const
{
    return volume() + (osx ? "/Library/Preferences" : "/System Folder/Preferences");
}

void EngineVolume::writeInstallerIni(const std::string& lines) const
{
    writeBundleFile("InstallerFiles/Installer.ini", "[SystemInfo]\nLanguage = English\nDebug = TRACE\n" + lines);
}

void EngineVolume::writeBundleFile(const std::string& relative, const std::string& bytes) const
{
    treetest::writeFile(contents() + "/" + relative, bytes);
}

void EngineVolume::run(const std::vector<std::string>& arguments, const std::string& script) const
{
    std::ofstream(folder / "script") << script;
    Options.state = STATE_WELCOME;
    Options.reboot = false;
    Options.failed = false;
    Options.errorText = "";
    Options.driverFiles.clear();
    Options.modemScriptFiles.clear();
    std::string program = contents() + (osx ? "/MacOS/Installer" : "/MacOSClassic/Installer");
    std::vector<const char*> argv = {program.c_str()};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    EXPECT_EQ(runInstaller(int(argv.size() - 1), argv.data()), 0);
}

std::vector<std::string> EngineVolume::events() const
{
    return transcriptEvents(transcriptPath());
}

std::vector<std::string> EngineVolume::logLines() const
{
    return ::logLines(volume());
}

std::string EngineVolume::log() const
{
    return folder.read("volume/DSL Installer Log File");
}

FullDisk::FullDisk(const std::string& folder, unsigned long bytes) : path(folder)
{
    fs::create_directories(path);
    mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes)).c_str()) == 0;
}

FullDisk::~FullDisk()
{
    if (mounted)
        ::umount2(path.c_str(), MNT_DETACH);
}

bool containsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& part)
{
    auto at = lines.begin();
    for (const std::string& wanted : part) {
        at = std::find(at, lines.end(), wanted);
        if (at == lines.end())
            return false;
        ++at;
    }
    return true;
}

long countOf(const std::vector<std::string>& lines, const std::string& line)
{
    return std::count(lines.begin(), lines.end(), line);
}
