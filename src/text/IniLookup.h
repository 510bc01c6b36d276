#pragma once
// Read-only lookups in the INI files of the folder InstallerFiles of the
// program's Contents folder. Every call reads the file afresh.

#include "text/String.h"

// Throws XPel "Can't open <fileName>" when the file cannot be read; a missing
// section or key gives the default.
String getIniString(const char* key, const char* section, const char* defaultValue, const char* fileName);

// An integer of Installer.ini, read as "%d" reads it ("12abc" gives 12). A
// value that does not start with a number, or is empty, gives the default.
int getIniInt(const char* key, const char* section, int defaultValue);

// The localized text key of Strings.ini, in the section named by Language.
String getResString(const char* key);
