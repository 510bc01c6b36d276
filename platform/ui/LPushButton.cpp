#include "ui/LPushButton.h"

#include "ui/LStream.h"

LPushButton::LPushButton(LStream* stream)
    : LControl(stream), isDefault(stream->has("default"))
{
}

void LPushButton::SetDefaultButton(bool makeDefault)
{
    isDefault = makeDefault;
    noteChange("default " + std::to_string(GetPaneID()) + (makeDefault ? " on" : " off"));
}

void LPushButton::Click()
{
    if (IsEnabled())
        BroadcastMessage(GetValueMessage(), nullptr);
}
