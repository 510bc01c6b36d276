#pragma once
// A temporary host folder, removed with everything in it at the end of a test.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/dsl-test-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    std::string operator/(const std::string& name) const { return path + "/" + name; }

    std::string read(const std::string& name) const
    {
        std::ifstream in(*this / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string path;
};
