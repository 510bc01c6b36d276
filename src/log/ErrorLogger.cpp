#include "log/ErrorLogger.h"

CErrorLogger::CErrorLogger(const char* moduleName) : CInstallerLogFile(moduleName)
{
    if (getDebugLevelOrNone() == "ERROR")
        enabled = true;
    else if (getDebugLevelOrNone() == "TRACE")
        enabled = true;
}

CErrorLogger::~CErrorLogger() = default;
