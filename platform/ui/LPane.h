#pragma once
// A rectangle of a window with an ID, a text (its descriptor) and an enabled
// state. Every change that shows is written to the transcript and told to
// the backend.

#include <string>

#include "core/MacTypes.h"
#include "ui/Events.h"

class LStream;
class LView;
class LWindow;

struct SDimension16 {
    SInt16 width;
    SInt16 height;
};

class LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('p', 'a', 'n', 'e') };

    LPane();
    explicit LPane(LStream* stream);
    virtual ~LPane();
    LPane(const LPane&) = delete;
    LPane& operator=(const LPane&) = delete;

    PaneIDT GetPaneID() const { return paneID; }
    void SetPaneID(PaneIDT id) { paneID = id; }
    LView* GetSuperView() const { return superView; }
    void PutInside(LView* view);
    LWindow* GetWindow();

    virtual void SetDescriptor(ConstStr255Param text);
    virtual StringPtr GetDescriptor(Str255 out) const;
    const std::string& DescriptorText() const { return descriptor; }

    void Enable();
    void Disable();
    bool IsEnabled() const { return enabled; }
    bool IsVisible() const { return visible; }
    void Show();
    void Hide();

    void ResizeFrameTo(SInt16 width, SInt16 height, bool refresh);
    void ResizeFrameBy(SInt16 widthDelta, SInt16 heightDelta, bool refresh);
    SDimension16 GetFrameSize() const { return size; }
    Point GetFrameLocation() const { return location; }
    // The frame in the coordinates of the window.
    bool CalcLocalFrameRect(Rect& frame) const;

    // Called once the whole window is built; calls FinishCreateSelf.
    void FinishCreate();
    // Draws the pane through the current port (a backend calls it).
    virtual void Draw();

    // A mouse click from a backend: what the pane does with it.
    virtual void Click() {}

    virtual LPane* FindPaneByID(PaneIDT id);

protected:
    virtual void FinishCreateSelf() {}
    virtual void DrawSelf() {}
    // Writes "<event>" to the transcript and tells the backend.
    void noteChange(const std::string& event);
    void noteChange();

    void setDescriptorQuietly(const std::string& text) { descriptor = text; }

private:
    PaneIDT paneID = 0;
    LView* superView = nullptr;
    std::string descriptor;
    bool enabled = true;
    bool visible = true;
    Point location{0, 0};
    SDimension16 size{0, 0};
};
