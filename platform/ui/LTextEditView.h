#pragma once
// A view of text: the bytes as they are, lines ended by CR.

#include <string>

#include "ui/LView.h"

class LTextEditView : public LView {
public:
    enum : OSType { class_ID = FOUR_CHAR('t', 'x', 'v', 'w') };

    explicit LTextEditView(LStream* stream) : LView(stream) {}

    // Inserts bytes at the insertion point, which then follows them.
    void Insert(const void* text, SInt32 length, void* style = nullptr, bool refresh = false);
    const std::string& GetText() const { return text; }

private:
    std::string text;
    std::size_t insertionPoint = 0;
};
