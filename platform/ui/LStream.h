#pragma once
// The layout data of one pane, as its constructor reads it.

#include <string>

#include "core/MacTypes.h"
#include "ui/LayoutNode.h"

class LStream {
public:
    explicit LStream(const LayoutNode& node) : node(node) {}

    SInt32 id() const { return node.id; }
    OSType classID() const { return node.classID; }
    const LayoutNode& layout() const { return node; }

    bool has(const std::string& name) const { return node.attributes.count(name) != 0; }
    // The first value of an attribute as a number (fallback when absent).
    SInt32 number(const std::string& name, SInt32 fallback = 0) const;
    SInt32 number(const std::string& name, std::size_t index, SInt32 fallback) const;
    // A text attribute without its quotes (empty when absent).
    std::string text(const std::string& name) const;

private:
    const LayoutNode& node;
};
