#include "ui/LStream.h"

#include <cstdlib>

#include "ui/LayoutParser.h"

SInt32 LStream::number(const std::string& name, SInt32 fallback) const
{
    return number(name, 0, fallback);
}

SInt32 LStream::number(const std::string& name, std::size_t index, SInt32 fallback) const
{
    auto found = node.attributes.find(name);
    if (found == node.attributes.end() || found->second.size() <= index)
        return fallback;
    const std::string& token = found->second[index];
    char* end = nullptr;
    long value = std::strtol(token.c_str(), &end, 10);
    if (token.empty() || *end != '\0')
        throw LayoutError("layout line " + std::to_string(node.line) + ": " + name + " needs numbers");
    return SInt32(value);
}

std::string LStream::text(const std::string& name) const
{
    auto found = node.attributes.find(name);
    if (found == node.attributes.end() || found->second.empty())
        return {};
    const std::string& token = found->second.front();
    return token.front() == '"' ? token.substr(1) : token;
}
