#pragma once
// A pane with a value that broadcasts a message to its listeners.

#include "ui/LBroadcaster.h"
#include "ui/LPane.h"

class LControl : public LPane, public LBroadcaster {
public:
    explicit LControl(LStream* stream);

    MessageT GetValueMessage() const { return valueMessage; }
    SInt32 GetValue() const { return value; }
    // A changed value is shown and broadcast with the value message.
    virtual void SetValue(SInt32 newValue);

private:
    MessageT valueMessage = 0;
    SInt32 value = 0;
};
