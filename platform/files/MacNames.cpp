#include "files/MacNames.h"

#include <algorithm>
#include <cstring>

namespace platform {

std::string pascalText(ConstStr255Param text)
{
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

void setPascalText(StringPtr out, const std::string& text, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    size_t length = std::min(text.size(), std::min<size_t>(capacity - 1, 255));
    out[0] = UInt8(length);
    std::memcpy(out + 1, text.data(), length);
}

bool isValidMacName(const std::string& macName)
{
    return !macName.empty() && macName != "." && macName != ".." && macName.size() <= 255 &&
           macName.find('\0') == std::string::npos;
}

std::string diskNameOf(const std::string& macName)
{
    std::string name = macName;
    std::replace(name.begin(), name.end(), '/', ':');
    return name;
}

std::string macNameOf(const std::string& diskName)
{
    std::string name = diskName;
    std::replace(name.begin(), name.end(), ':', '/');
    return name;
}

} // namespace platform
