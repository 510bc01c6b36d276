#pragma once
// Classes that layouts may name, by their four-character class ID.

#include <functional>

#include "core/MacTypes.h"

class LPane;
class LStream;

class URegistrar {
public:
    using Creator = std::function<LPane*(LStream*)>;

    static void RegisterClass(OSType classID, Creator creator);
    // A new object of the registered class, or null when the ID is unknown.
    static LPane* CreateObject(OSType classID, LStream* stream);
    static bool IsRegistered(OSType classID);
};

template <class T>
void RegisterClass_()
{
    URegistrar::RegisterClass(T::class_ID, [](LStream* stream) -> LPane* { return new T(stream); });
}
