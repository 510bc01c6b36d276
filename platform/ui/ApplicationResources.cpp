#include "ui/ApplicationResources.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "process/Processes.h"
#include "ui/LayoutParser.h"

namespace {

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<std::string> readResourceFork(const std::string& path)
{
    const char* name = "user.com.apple.ResourceFork";
    ssize_t size = ::getxattr(path.c_str(), name, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::string text(std::size_t(size), '\0');
    size = ::getxattr(path.c_str(), name, text.data(), text.size());
    if (size < 0)
        return std::nullopt;
    text.resize(std::size_t(size));
    return text;
}

} // namespace

std::string ApplicationResources::resourceFilePath(const std::string& executablePath)
{
    // Contents/MacOS/<name> -> Contents/Resources/<name>.rsrc, by the names
    // alone: the executable's folder need not exist (a program in a test).
    std::filesystem::path executable(executablePath);
    std::filesystem::path contents = executable.parent_path().parent_path();
    return (contents / "Resources" / (executable.filename().string() + ".rsrc")).string();
}

std::optional<LayoutNode> ApplicationResources::find(const std::string& kind, SInt32 id)
{
    std::string executable = platform::currentExecutablePath();
    std::optional<std::string> text = readFile(resourceFilePath(executable));
    if (!text)
        text = readResourceFork(executable);
    if (!text)
        return std::nullopt;
    for (LayoutNode& resource : LayoutParser::parse(*text)) {
        if (resource.kind == kind && resource.id == id)
            return std::move(resource);
    }
    return std::nullopt;
}
