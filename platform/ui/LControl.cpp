#include "ui/LControl.h"

#include "ui/LStream.h"

LControl::LControl(LStream* stream)
    : LPane(stream),
      valueMessage(stream->number("message", 0)),
      value(stream->number("value", 0))
{
}

void LControl::SetValue(SInt32 newValue)
{
    if (newValue == value)
        return;
    value = newValue;
    noteChange("value " + std::to_string(GetPaneID()) + " " + std::to_string(value));
    SInt32 broadcastValue = value;
    BroadcastMessage(valueMessage, &broadcastValue);
}
