#pragma once
// Writes a file below a test's temporary folder, making its folders.

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TempFolder.h"

inline std::string writeFile(const TempFolder& folder, const std::string& relative, const std::string& text)
{
    std::string path = folder / relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
