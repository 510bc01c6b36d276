#pragma once
// The About window (resource 138): caption, version, description, copyright.

#include "ui/LWindow.h"

class CAboutBox : public LWindow {
public:
    enum : OSType { class_ID = FOUR_CHAR('C', 'A', 'B', 'T') };

    explicit CAboutBox(LStream* stream) : LWindow(stream) {}

    void FinishCreateSelf() override;
    void setLabel(int paneID, const char* text);
};
