#pragma once

#include "log/InstallerLogFile.h"

// Writes when Debug is "TRACE".
class CTraceLogger : public CInstallerLogFile {
public:
    explicit CTraceLogger(const char* moduleName);
    ~CTraceLogger() override;
};
