#pragma once
// One element of a layout resource: a window, an alert, a pane or a page of a
// multi-page view, with its attributes and the elements inside it.

#include <map>
#include <string>
#include <vector>

#include "core/MacTypes.h"

struct LayoutNode {
    std::string kind;     // "window", "alert", "pane" or "page"
    SInt32 id = 0;        // resource ID, pane ID or page number
    OSType classID = 0;   // registered class that builds it; 0 for a page
    std::map<std::string, std::vector<std::string>> attributes;
    std::vector<LayoutNode> children;
    int line = 0;
};
