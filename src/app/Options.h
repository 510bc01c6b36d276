#pragma once
// The run record shared by main, the wizard, the panels and the worker threads.
// One instance, the global Options, with static storage: constructed before
// main runs. state and appPath rely on the zero value of static storage until
// main sets them.

#include <vector>

#include "app/InstallState.h"
#include "text/String.h"

class COptions {
public:
    COptions();
    ~COptions();

    InstallState state;
    const char* appPath;
    bool reboot;
    bool failed;
    String errorText;
    std::vector<String> driverFiles;
    std::vector<String> modemScriptFiles;
};

extern COptions Options;
