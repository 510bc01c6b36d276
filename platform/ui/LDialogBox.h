#pragma once
// A window that listens to its own controls.

#include "ui/LBroadcaster.h"
#include "ui/LWindow.h"

class LDialogBox : public LWindow, public LListener {
public:
    enum : OSType { class_ID = FOUR_CHAR('d', 'l', 'o', 'g') };

    explicit LDialogBox(LStream* stream) : LWindow(stream) {}

    void ListenToMessage(MessageT /*message*/, void* /*param*/) override {}
};
