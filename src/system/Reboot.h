#pragma once

// Asks the system to restart the computer: on Mac OS X every process named
// "loginwindow" gets the restart event, on Mac OS 9 the Finder does. Nothing
// waits for it.
void reboot();
