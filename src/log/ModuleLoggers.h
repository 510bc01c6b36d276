#pragma once
// A source module's own loggers, file-local and named after the module:
//
//     MODULE_LOGGERS("Install")              // ErrorLogger, then TraceLogger
//     MODULE_ERROR_LOGGER("Panel")           // ErrorLogger only
//     MODULE_TRACE_LOGGER("InstallPanel")    // TraceLogger only
//
// They are constructed during the module's static initialisation and read
// Installer.ini then; the level holds for the whole run.

#include "log/ErrorLogger.h"
#include "log/TraceLogger.h"

#define MODULE_ERROR_LOGGER(moduleName) \
    namespace {                         \
    CErrorLogger ErrorLogger(moduleName); \
    }

#define MODULE_TRACE_LOGGER(moduleName) \
    namespace {                         \
    CTraceLogger TraceLogger(moduleName); \
    }

#define MODULE_LOGGERS(moduleName)  \
    MODULE_ERROR_LOGGER(moduleName) \
    MODULE_TRACE_LOGGER(moduleName)
