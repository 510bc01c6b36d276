#include "ui/LPane.h"

#include "core/Transcript.h"
#include "ui/LStream.h"
#include "ui/LView.h"
#include "ui/LWindow.h"
#include "ui/ToolboxBackend.h"

LPane::LPane() = default;

LPane::LPane(LStream* stream)
    : paneID(stream->id()),
      descriptor(stream->text("text")),
      enabled(!stream->has("disabled")),
      location{SInt16(stream->number("frame", 1, 0)), SInt16(stream->number("frame", 0, 0))},
      size{SInt16(stream->number("frame", 2, 0)), SInt16(stream->number("frame", 3, 0))}
{
}

LPane::~LPane()
{
    if (superView)
        superView->RemoveSubPane(this);
}

void LPane::PutInside(LView* view)
{
    if (superView)
        superView->RemoveSubPane(this);
    superView = view;
    if (view)
        view->AddSubPane(this);
}

LWindow* LPane::GetWindow()
{
    for (LPane* pane = this; pane; pane = pane->superView) {
        if (auto* window = dynamic_cast<LWindow*>(pane))
            return window;
    }
    return nullptr;
}

void LPane::SetDescriptor(ConstStr255Param text)
{
    descriptor.assign(reinterpret_cast<const char*>(text + 1), text[0]);
    noteChange("text " + std::to_string(paneID) + " " + platform::Transcript::quote(descriptor));
}

StringPtr LPane::GetDescriptor(Str255 out) const
{
    std::size_t length = descriptor.size() > 255 ? 255 : descriptor.size();
    out[0] = UInt8(length);
    descriptor.copy(reinterpret_cast<char*>(out + 1), length);
    return out;
}

void LPane::Enable()
{
    enabled = true;
    noteChange("enable " + std::to_string(paneID));
}

void LPane::Disable()
{
    enabled = false;
    noteChange("disable " + std::to_string(paneID));
}

void LPane::Show()
{
    visible = true;
    noteChange();
}

void LPane::Hide()
{
    visible = false;
    noteChange();
}

void LPane::ResizeFrameTo(SInt16 width, SInt16 height, bool /*refresh*/)
{
    size = {width, height};
    noteChange();
}

void LPane::ResizeFrameBy(SInt16 widthDelta, SInt16 heightDelta, bool refresh)
{
    ResizeFrameTo(SInt16(size.width + widthDelta), SInt16(size.height + heightDelta), refresh);
}

bool LPane::CalcLocalFrameRect(Rect& frame) const
{
    SInt16 left = location.h;
    SInt16 top = location.v;
    for (const LView* view = superView; view && !dynamic_cast<const LWindow*>(view); view = view->GetSuperView()) {
        left = SInt16(left + view->GetFrameLocation().h);
        top = SInt16(top + view->GetFrameLocation().v);
    }
    frame = {top, left, SInt16(top + size.height), SInt16(left + size.width)};
    return true;
}

void LPane::FinishCreate()
{
    FinishCreateSelf();
}

void LPane::Draw()
{
    if (visible)
        DrawSelf();
}

LPane* LPane::FindPaneByID(PaneIDT id)
{
    return id == paneID ? this : nullptr;
}

void LPane::noteChange(const std::string& event)
{
    platform::Transcript::write(event);
    noteChange();
}

void LPane::noteChange()
{
    ToolboxBackend::Current().PaneChanged(*this);
}
