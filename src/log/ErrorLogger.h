#pragma once

#include "log/InstallerLogFile.h"

// Writes when Debug is "ERROR" or "TRACE".
class CErrorLogger : public CInstallerLogFile {
public:
    explicit CErrorLogger(const char* moduleName);
    ~CErrorLogger() override;
};
