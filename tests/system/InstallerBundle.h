#pragma once
// An installer bundle in a temporary folder that the running test passes for:
// the current process reports Installer.app/Contents/MacOS/Installer as its
// executable, and the emulated startup volume (PLATFORM_ROOT, where the log
// lies) is a folder of its own beside the bundle.

#include <filesystem>
#include <fstream>
#include <string>

#include "process/Processes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

class InstallerBundle {
public:
    InstallerBundle()
    {
        std::filesystem::create_directories(contents() + "/MacOS");
        std::filesystem::create_directories(contents() + "/InstallerFiles");
        std::filesystem::create_directories(root());
        std::ofstream(contents() + "/MacOS/Installer") << "";
        platform::setCurrentExecutableForTesting(contents() + "/MacOS/Installer");
        env.set("PLATFORM_ROOT", root());
    }
    ~InstallerBundle() { platform::setCurrentExecutableForTesting(""); }

    std::string contents() const { return folder / "Installer.app/Contents"; }
    std::string root() const { return folder / "root"; }
    std::string logPath() const { return root() + "/DSL Installer Log File"; }

    void writeInstallerFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(contents() + "/InstallerFiles/" + name, std::ios::binary) << text;
    }
    void setDebug(const std::string& level) const
    {
        writeInstallerFile("Installer.ini", "[SystemInfo]\nDebug = " + level + "\n");
    }
    std::string log() const { return folder.read("root/DSL Installer Log File"); }

    TempFolder folder;
    ScopedEnv env;
};
