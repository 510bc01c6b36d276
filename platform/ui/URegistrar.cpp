#include "ui/URegistrar.h"

#include <map>

namespace {

std::map<OSType, URegistrar::Creator>& registry()
{
    static std::map<OSType, URegistrar::Creator> classes;
    return classes;
}

} // namespace

void URegistrar::RegisterClass(OSType classID, Creator creator)
{
    registry()[classID] = std::move(creator);
}

LPane* URegistrar::CreateObject(OSType classID, LStream* stream)
{
    auto found = registry().find(classID);
    return found == registry().end() ? nullptr : found->second(stream);
}

bool URegistrar::IsRegistered(OSType classID)
{
    return registry().count(classID) != 0;
}
