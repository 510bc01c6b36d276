#pragma once
// Removing what an installation put in place, from the lists of Installer.ini.

// The removal sequence: asks the running control panel to quit, then removes
// the program folder, the drivers and the modem scripts, and on Mac OS 9 the
// preferences and control panels. Missing or undeletable items are passed
// over; only a system folder that cannot be found sets Options.failed.
void uninstall();

// True when the uninstaller bundle of an earlier installation exists in the
// program folder.
bool isDriverInstalled();
