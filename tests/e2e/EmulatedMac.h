#pragma once
// An emulated Macintosh in a temporary folder: a startup volume with the
// system folders of one system generation and a copy of the example
// installer bundle on it. Programs of the volume run as real processes,
// headless, driven by an action script; the run is over when no process of
// the volume is left, whichever process relaunched which.

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

class EmulatedMac {
public:
    explicit EmulatedMac(const std::string& systemVersion);

    // Starts program (a path inside the volume) with the arguments and the
    // action script, and waits until every process it led to has ended.
    void run(const std::string& program, const std::vector<std::string>& arguments, const std::string& script,
             const std::string& auth = "grant");

    std::string volume() const { return folder / "volume"; }
    std::string installer() const { return volume() + "/Installer.app/Contents/MacOS/Installer"; }
    std::string uninstaller() const;
    std::string stagedBundle() const;
    bool exists(const std::string& relative) const;

    // The transcript's events without process ids, and the number of
    // processes that wrote to it.
    std::vector<std::string> events() const;
    size_t processCount() const;
    std::vector<std::string> lines(const std::string& prefix) const;
    std::string log() const { return folder.read("volume/DSL Installer Log File"); }
    bool restarted() const;

    TempFolder folder;
    // Further NAME=value settings of the programs' environment, after (and
    // so over) the ones above: "PLATFORM_UI=qt".
    std::vector<std::string> settings;

private:
    bool volumeProcessesRunning() const;
    std::string systemVersion;
};
