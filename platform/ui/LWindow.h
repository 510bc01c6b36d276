#pragma once
// A window built from a layout resource. The windows that are open are kept
// front to back; the front one is the target of keys and commands. A closed
// window is destroyed when the event loop next comes round, so that the code
// that closed it (a button's broadcast, a key) can return through it safely.

#include <vector>

#include "ui/LCommander.h"
#include "ui/LView.h"

class LWindow : public LView, public LCommander {
public:
    enum : OSType { class_ID = FOUR_CHAR('w', 'i', 'n', 'd') };

    explicit LWindow(LStream* stream);
    ~LWindow() override;

    // Builds the window of layout resource `id` with its panes, calls every
    // FinishCreateSelf (the panes', then the window's) and returns it hidden.
    // Throws LException(err_NilPointer) when it cannot be built.
    static LWindow* CreateWindow(ResIDT id, LCommander* superCommander);

    ResIDT GetResourceID() const { return resourceID; }
    bool HasCloseBox() const { return closeBox; }
    bool IsOpen() const { return !closed; }

    // Sets the title.
    void SetDescriptor(ConstStr255Param title) override;
    void Show();
    // Asks the supercommander, then closes the window.
    void AttemptClose();
    void DoClose();

    bool ObeyCommand(CommandT command, void* param) override;
    void FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                           Str255 outName) override;

    // Open windows, front first.
    static std::vector<LWindow*> OpenWindows();
    static LWindow* FrontWindow();
    static bool IsOpenWindow(const LWindow* window);
    // Destroys the windows closed since the last call.
    static void DisposeClosedWindows();

private:
    ResIDT resourceID = 0;
    bool closeBox = false;
    bool closed = false;
};
