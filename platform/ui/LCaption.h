#pragma once
// A static text.

#include "ui/LPane.h"

class LCaption : public LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('c', 'a', 'p', 't') };

    explicit LCaption(LStream* stream) : LPane(stream) {}
};
