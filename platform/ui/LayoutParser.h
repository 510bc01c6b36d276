#pragma once
// Reads the layout resources of an application's resource file.

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/LayoutNode.h"

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LayoutParser {
public:
    // The top-level resources of a resource file's text; throws LayoutError
    // with the line number when the text does not follow the format.
    static std::vector<LayoutNode> parse(const std::string& text);
    static OSType classIDFromText(const std::string& text);
};
