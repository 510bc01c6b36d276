#pragma once
// The wizard state a run starts in. A relaunched instance names it on its
// command line: the state as a decimal number in argv[1] and the marker
// "INSTALL" or "REMOVE" as the last argument. Otherwise NextState of
// Installer.ini decides, and without it the run starts at the welcome panel.

#include "app/InstallState.h"

// Reads Installer.ini only when the command line carries no marker; throws
// XPel when it has to and cannot. The number is kept modulo 256, unchecked.
InstallState chooseStartState(int argc, const char* const* argv);

// True when the command line is that of a relaunched instance.
bool isRelaunchCommandLine(int argc, const char* const* argv);
