#pragma once
// A radio button. Turning one on turns off the others of its group (the
// radio buttons of the same window with the same group number).

#include "ui/LControl.h"

class LRadioButton : public LControl {
public:
    enum : OSType { class_ID = FOUR_CHAR('r', 'd', 'b', 't') };

    explicit LRadioButton(LStream* stream);

    SInt32 GetGroup() const { return group; }
    void SetValue(SInt32 newValue) override;
    void Click() override;

private:
    void turnOffOthers(LPane* root);

    SInt32 group = 0;
};
