#pragma once
// What the program asks about the machine and about itself. Nothing is kept
// between calls: each asks the system again.

class CInstallerLogFile;

// True on Mac OS X (system version 0x1000 and up); a failed query counts as Mac OS 9.
bool isOsx();
// The system version with the decimal digits as hexadecimal ones: 0x1028 for 10.2.8.
unsigned short getOsVersion();

// The folder one level above the running executable's: the Contents folder of
// the application bundle. Throw XPel when the process cannot be examined.
long getAppDir();
short getAppVolume();

// Writes the installer's version and the machine's properties to the log
// through the error logger of "InstApp".
void logSysInfo();
void logSysInfo(CInstallerLogFile& logger);
