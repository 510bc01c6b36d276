#pragma once
// Helpers for File Manager tests: a temporary host folder that is removed
// afterwards, length-prefixed names, and host file contents.

#include <string>

#include "core/MacTypes.h"

namespace filetest {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

// A length-prefixed copy of a text, usable where a ConstStr255Param is asked for.
class Pascal {
public:
    explicit Pascal(const std::string& text);
    operator ConstStr255Param() const { return bytes_; }

private:
    unsigned char bytes_[256];
};

std::string text(ConstStr255Param pascal);
void writeFile(const std::string& path, const std::string& contents);
std::string readFile(const std::string& path);
bool exists(const std::string& path);

} // namespace filetest
