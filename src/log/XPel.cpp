#include "log/XPel.h"

#include <cstdarg>
#include <cstdio>

XPel::XPel(const char* fmt, ...)
{
    va_list arguments;
    va_start(arguments, fmt);
    std::vsnprintf(message, sizeof message, fmt ? fmt : "", arguments);
    va_end(arguments);
}
