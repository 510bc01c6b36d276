#pragma once
// Something attached to a host that runs whenever the host passes it a
// message, here on every pass of the application's event loop.

#include "ui/LBroadcaster.h"

enum : MessageT { msg_AnyMessage = 0, msg_Event = 814 };

class LAttachment {
public:
    explicit LAttachment(MessageT message = msg_AnyMessage) : message(message) {}
    virtual ~LAttachment() = default;

    void Execute(MessageT passed, void* param)
    {
        if (message == msg_AnyMessage || message == passed)
            ExecuteSelf(passed, param);
    }

protected:
    virtual void ExecuteSelf(MessageT message, void* param) = 0;

private:
    MessageT message;
};
