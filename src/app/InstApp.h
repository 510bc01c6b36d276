#pragma once
// The whole run of the program: start-up, the wizard, the action its final
// state asks for, and the restart the user chose. Always returns 0.

int runInstaller(int argc, const char* const* argv);
