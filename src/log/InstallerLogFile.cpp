#include "log/InstallerLogFile.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/LibSystem.h"
#include "log/XPel.h"
#include "text/IniLookup.h"

const char* const LOG_FILE = "DSL Installer Log File";

CInstallerLogFile::CInstallerLogFile(const char* moduleName) : moduleName(moduleName), enabled(false) {}

CInstallerLogFile::~CInstallerLogFile() = default;

void CInstallerLogFile::log(const char* fmt, ...)
{
    if (!enabled)
        return;
    char workArea[512];
    va_list arguments;
    va_start(arguments, fmt);
    std::vsnprintf(workArea, sizeof workArea, fmt ? fmt : "", arguments);
    va_end(arguments);

    String line(moduleName);
    line += "->";
    line += workArea;
    writeStringToFile(line);
}

void CInstallerLogFile::writeStringToFile(const char* text)
{
    String path("/");
    path += LOG_FILE;
    platform::appendToVolumeFile(path, std::string(text ? text : "") + "\n", 0666);
}

String CInstallerLogFile::getDebugLevel()
{
    String level = getIniString("Debug", "SystemInfo", "", "Installer.ini");
    level.makeUpper();
    return level;
}

String CInstallerLogFile::getDebugLevelOrNone()
{
    try {
        return getDebugLevel();
    } catch (...) {
        return String();
    }
}
