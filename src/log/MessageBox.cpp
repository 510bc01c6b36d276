#include "log/MessageBox.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ui/Dialogs.h"

void messageBox(const char* fmt, ...)
{
    char workArea[1024];
    va_list arguments;
    va_start(arguments, fmt);
    std::vsnprintf(workArea, sizeof workArea, fmt ? fmt : "", arguments);
    va_end(arguments);
    workArea[255] = '\0';

    Str255 text;
    size_t length = std::strlen(workArea);
    text[0] = static_cast<unsigned char>(length);
    std::memcpy(text + 1, workArea, length);
    const unsigned char empty[1] = {0};
    ParamText(text, empty, empty, empty);
    NoteAlert(130, nullptr);
}
