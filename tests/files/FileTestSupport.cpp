#include "FileTestSupport.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace filetest {

TempFolder::TempFolder()
{
    char pattern[] = "/tmp/files-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Pascal::Pascal(const std::string& text)
{
    size_t length = text.size() > 255 ? 255 : text.size();
    bytes_[0] = static_cast<unsigned char>(length);
    std::memcpy(bytes_ + 1, text.data(), length);
}

std::string text(ConstStr255Param pascal)
{
    return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]);
}

void writeFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool exists(const std::string& path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

} // namespace filetest
