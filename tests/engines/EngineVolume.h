#pragma once
// An installer bundle and an emulated startup volume in a temporary folder.
//
// The bundle is the example bundle's sources (configuration, texts, layouts,
// payload) with a stand-in executable in MacOS and MacOSClassic; the running
// test passes for that executable. The volume holds the system folders of the
// chosen system generation. The platform runs headless with the test's own
// script and transcript, and grants the administrator right.

#include <string>
#include <vector>

#include "tests/install/TreeTestSupport.h"
#include "tests/support/Eventually.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

class EngineVolume {
public:
    // systemVersion as PLATFORM_SYSTEM_VERSION takes it ("10.2.8", "0x1015").
    explicit EngineVolume(const std::string& systemVersion = "10.2.8");
    ~EngineVolume();
    EngineVolume(const EngineVolume&) = delete;
    EngineVolume& operator=(const EngineVolume&) = delete;

    std::string contents() const { return folder / "Installer.app/Contents"; }
    std::string volume() const { return folder / "volume"; }
    std::string transcriptPath() const { return folder / "transcript"; }

    // Host paths of the system folders of the emulated generation.
    std::string applications() const { return volume() + "/Applications"; }
    std::string drivers() const;
    std::string modemScripts() const;
    std::string preferences() const;
    std::string controlPanels() const { return volume() + "/System Folder/Control Panels"; }
    std::string systemControlPanels() const { return volume() + "/System Folder/System Control Panels"; }

    // Installer.ini of the bundle: the given lines in [SystemInfo], after the
    // language and the trace level.
    void writeInstallerIni(const std::string& lines) const;
    void writeBundleFile(const std::string& relative, const std::string& bytes) const;

    // Runs the installer in this process with the arguments after argv[0] and
    // the action script; Options start as in a fresh process.
    void run(const std::vector<std::string>& arguments, const std::string& script = "") const;

    std::vector<std::string> events() const;
    std::vector<std::string> logLines() const;
    std::string log() const;

    bool osx;
    TempFolder folder;
    ScopedEnv env;
};

// A small tmpfs mounted on a folder of the volume, for a real full disk; it
// must end before the volume does. Mounting needs root: check mounted.
class FullDisk {
public:
    FullDisk(const std::string& folder, unsigned long bytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    std::string path;
    bool mounted;
};

// True when `part` appears in `lines` in this order (other lines may lie between).
bool containsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& part);
// How many of `lines` are exactly `line`.
long countOf(const std::vector<std::string>& lines, const std::string& line);
