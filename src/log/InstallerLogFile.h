#pragma once
// The installer's log: one plain-text file at the root of the startup volume
// to which every run appends lines of the form "Module->text". Each source
// module owns its loggers (see ModuleLoggers.h); the Debug key of
// Installer.ini decides once, when a logger is constructed, whether it writes.

#include "text/String.h"

extern const char* const LOG_FILE;

class CInstallerLogFile {
public:
    explicit CInstallerLogFile(const char* moduleName);
    virtual ~CInstallerLogFile();

    // When enabled, appends "<module>-><formatted text>"; the text is formatted
    // into a 512-byte work area, so at most 511 characters of it are kept.
    void log(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // Appends text and a line end, whatever the level. A file that cannot be
    // opened loses the line silently.
    void writeStringToFile(const char* text);
    // Debug of SystemInfo in Installer.ini, upper-cased. Throws XPel when
    // Installer.ini cannot be read.
    String getDebugLevel();

protected:
    // The level as the constructors see it: empty when Installer.ini cannot be
    // read, because they run during static initialisation where nothing could
    // catch the failure. The logger then stays disabled; main reports the
    // unreadable file on its own first lookup.
    String getDebugLevelOrNone();

    String moduleName;
    bool enabled;
};
