#pragma once
// A test installer bundle in a temporary folder, with the example layouts
// and logo, and texts that are their own keys, so that a transcript shows
// which key filled which pane. The program in this process stands for the
// bundle's executable; the platform runs headless with a script and a
// transcript of the test's own.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/RecordedLines.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

class WizardBundle {
public:
    static const std::vector<std::string>& textKeys();

    explicit WizardBundle(const std::string& systemVersion = "10.2.8");
    ~WizardBundle();

    std::string contents() const { return folder / "Installer.app/Contents"; }
    std::string executable() const { return contents() + "/MacOS/Installer"; }
    std::string volume() const { return folder / "volume"; }

    void writeFile(const std::string& relative, const std::string& bytes) const;
    void removeFile(const std::string& relative) const;
    // Installer.ini with these extra lines in [SystemInfo].
    void writeInstallerIni(const std::string& extraLines = "") const;
    // Strings.ini of every key's own name, without the keys left out.
    void writeStrings(const std::vector<std::string>& leftOut = {}) const;

    void writeScript(const std::string& actions) const;
    std::string script() const;
    // The transcript's events of this run, without process ids.
    std::vector<std::string> events() const { return transcriptEvents(folder / "transcript"); }
    // The alerts of the transcript, their texts as written there (quoted).
    std::vector<std::string> alerts() const;

    // Runs the installer's main in this process with these arguments after
    // argv[0]; Options start as before a fresh run.
    void run(const std::vector<std::string>& arguments = {});

    TempFolder folder;
    ScopedEnv env;
};

// True when `part` appears in `events` in order (other events may lie between).
bool containsInOrder(const std::vector<std::string>& events, const std::vector<std::string>& part);
