#pragma once
// A push button: a click on an enabled button broadcasts its message. The
// default mark only changes how the button is drawn.

#include "ui/LControl.h"

class LPushButton : public LControl {
public:
    enum : OSType { class_ID = FOUR_CHAR('p', 'u', 's', 'h') };

    explicit LPushButton(LStream* stream);

    bool IsDefaultButton() const { return isDefault; }
    void SetDefaultButton(bool makeDefault);

    void Click() override;

private:
    bool isDefault = false;
};
