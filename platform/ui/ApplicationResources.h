#pragma once
// The layout resources of the running program: its resource file
// Contents/Resources/<executable name>.rsrc, else the resource fork of the
// executable, which holds the same text.

#include <optional>
#include <string>

#include "ui/LayoutNode.h"

class ApplicationResources {
public:
    // The resource of that kind ("window", "alert") and ID; nothing when the
    // program has no resources or none of that ID. Throws LayoutError when
    // the resource file cannot be read as layouts.
    static std::optional<LayoutNode> find(const std::string& kind, SInt32 id);
    // Host path of the resource file of the executable at executablePath.
    static std::string resourceFilePath(const std::string& executablePath);
};
