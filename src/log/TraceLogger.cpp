#include "log/TraceLogger.h"

CTraceLogger::CTraceLogger(const char* moduleName) : CInstallerLogFile(moduleName)
{
    if (getDebugLevelOrNone() == "TRACE")
        enabled = true;
}

CTraceLogger::~CTraceLogger() = default;
