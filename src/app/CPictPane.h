#pragma once
// The logo: InstallerFiles/logo.pct rendered once into an offscreen image at
// the picture's own size, drawn from there, optionally with the colour of
// its top-left pixel left out so that the window shows through.

#include "ui/LPane.h"
#include "ui/QuickDraw.h"

class CPictPane : public LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('P', 'B', 'M', 'P') };

    explicit CPictPane(LStream* stream);
    ~CPictPane() override;

    void FinishCreateSelf() override;
    // Loads the picture at a partial path of the application's folder; true
    // on failure, and always once a picture is loaded.
    virtual bool load(const char* path, bool transparent);
    virtual void unload();

    bool isLoaded() const { return loaded; }
    bool isTransparent() const { return transparent; }
    const RGBColor& getBackColor() const { return backColor; }
    const GWorld* getOffscreen() const { return loaded ? offscreen : nullptr; }

protected:
    void DrawSelf() override;

private:
    void initialize();

    bool loaded = false;
    bool transparent = false;
    GWorldPtr offscreen = nullptr;
    Rect pictFrame{0, 0, 0, 0};
    RGBColor backColor{0, 0, 0};
};
