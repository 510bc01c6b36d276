#pragma once
// The transcript: one line per event the emulated machine shows or does,
// appended under a file lock so that a relaunched process can share the file.

#include <string>

namespace platform {

class Transcript {
public:
    // Appends "<pid> <event>" to the file named by PLATFORM_TRANSCRIPT, if any.
    static void write(const std::string& event);
    // A text in double quotes, escaped as in C (\\ \" \n \r \t and \xHH below 32).
    static std::string quote(const std::string& text);
};

} // namespace platform
