#include "ui/LRadioButton.h"

#include "ui/LStream.h"
#include "ui/LView.h"
#include "ui/LWindow.h"

LRadioButton::LRadioButton(LStream* stream)
    : LControl(stream), group(stream->number("group", 0))
{
}

void LRadioButton::SetValue(SInt32 newValue)
{
    SInt32 value = newValue ? 1 : 0;
    LControl::SetValue(value);
    if (value) {
        if (LWindow* window = GetWindow())
            turnOffOthers(window);
    }
}

void LRadioButton::turnOffOthers(LPane* root)
{
    if (auto* other = dynamic_cast<LRadioButton*>(root)) {
        if (other != this && other->group == group)
            other->SetValue(0);
    }
    if (auto* view = dynamic_cast<LView*>(root)) {
        for (LPane* pane : std::vector<LPane*>(view->GetSubPanes()))
            turnOffOthers(pane);
    }
}

void LRadioButton::Click()
{
    if (IsEnabled())
        SetValue(1);
}
