#include "WizardBundle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/InstApp.h"
#include "app/Options.h"
#include "process/Processes.h"

namespace fs = std::filesystem;

const std::vector<std::string>& WizardBundle::textKeys()
{
    static const std::vector<std::string> keys = {
        "CAPTION", "VERSION", "DESCRIPTION", "COPYRIGHT", "NEXT", "CANCEL", "FINISH", "ACCEPT", "REBOOT_NOW",
        "REBOOT_LATER", "INSTALL_WELCOME_TITLE", "INSTALL_WELCOME_STR1_OSX", "INSTALL_WELCOME_STR2_OSX",
        "INSTALL_WELCOME_STR1_OS9", "INSTALL_WELCOME_STR2_OS9", "INSTALL_LICENSE_TITLE", "INSTALL_LICENSE_STR",
        "INSTALL_TITLE", "INSTALL_STR", "INSTALL_REBOOT_TITLE", "INSTALL_REBOOT_STR", "INSTALL_FINISH_TITLE",
        "INSTALL_FINISH_STR", "INSTALL_ERR_TITLE", "INSTALL_ERR_STR1", "INSTALL_ERR_STR2", "REMOVE_CONFIRM_TITLE",
        "REMOVE_CONFIRM_STR1_OSX", "REMOVE_CONFIRM_STR2_OSX", "REMOVE_CONFIRM_STR1_OS9", "REMOVE_CONFIRM_STR2_OS9",
        "REMOVE_CONFIRM_YES", "REMOVE_CONFIRM_NO", "REMOVE_TITLE", "REMOVE_STR", "REMOVE_REBOOT_TITLE",
        "REMOVE_REBOOT_STR", "REMOVE_ERR_TITLE", "REMOVE_ERR_STR1", "REMOVE_ERR_STR2"};
    return keys;
}

WizardBundle::WizardBundle(const std::string& systemVersion)
{
    fs::create_directories(volume());
    writeFile("MacOS/Installer", "");
    for (const char* file : {"Resources/Installer.rsrc", "InstallerFiles/logo.pct"}) {
        std::ifstream source(std::string(DSL_SOURCE_DIR) + "/bundle/" + file, std::ios::binary);
        writeFile(file, std::string(std::istreambuf_iterator<char>(source), {}));
    }
    writeFile("InstallerFiles/license.txt", "Licence");
    writeInstallerIni();
    writeStrings();
    writeScript("");
    env.set("PLATFORM_UI", "headless");
    env.set("PLATFORM_ROOT", volume());
    env.set("PLATFORM_SYSTEM_VERSION", systemVersion);
    env.set("PLATFORM_SCRIPT", folder / "script");
    env.set("PLATFORM_TRANSCRIPT", folder / "transcript");
    // The wizard's own tests never start a program with administrator rights
    // nor restart the computer.
    env.set("PLATFORM_AUTH", "deny");
    env.unset("PLATFORM_RESTART_COMMAND");
    env.unset("PLATFORM_RESTART_COMMAND");
    platform::setCurrentExecutableForTesting(executable());
}

WizardBundle::~WizardBundle()
{
    platform::setCurrentExecutableForTesting("");
}

void WizardBundle::writeFile(const std::string& relative, const std::string& bytes) const
{
    fs::path path = contents() + "/" + relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void WizardBundle::removeFile(const std::string& relative) const
{
    fs::remove(contents() + "/" + relative);
}

void WizardBundle::writeInstallerIni(const std::string& extraLines) const
{
    writeFile("InstallerFiles/Installer.ini", "[SystemInfo]\nLanguage = English\n" + extraLines);
}

void WizardBundle::writeStrings(const std::vector<std::string>& leftOut) const
{
    std::string text = "[English]\n";
    for (const std::string& key : textKeys()) {
        if (std::find(leftOut.begin(), leftOut.end(), key) == leftOut.end())
            text += key + " = " + key + "\n";
    }
    writeFile("InstallerFiles/Strings.ini", text);
}

void WizardBundle::writeScript(const std::string& actions) const
{
    std::ofstream(folder / "script") << actions;
}

std::string WizardBundle::script() const
{
    return folder.read("script");
}

std::vector<std::string> WizardBundle::alerts() const
{
    std::vector<std::string> texts;
    for (const std::string& event : events()) {
        if (event.rfind("alert ", 0) == 0)
            texts.push_back(event.substr(6));
    }
    return texts;
}

void WizardBundle::run(const std::vector<std::string>& arguments)
{
    Options.state = STATE_WELCOME;
    Options.reboot = false;
    Options.failed = false;
    Options.errorText = "";
    std::vector<std::string> words = {executable()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    argv.push_back(nullptr);
    EXPECT_EQ(runInstaller(int(words.size()), argv.data()), 0);
}

bool containsInOrder(const std::vector<std::string>& events, const std::vector<std::string>& part)
{
    auto at = events.begin();
    for (const std::string& wanted : part) {
        at = std::find(at, events.end(), wanted);
        if (at == events.end())
            return false;
        ++at;
    }
    return true;
}
