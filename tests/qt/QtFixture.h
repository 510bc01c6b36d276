#pragma once
// A framework window of the test resource file shown by the Qt backend:
// window 128 with a title, a two-page view, radio buttons, a text view, a
// picture pane and Cancel/Next, as the wizard's window has them. The window
// records the keys and messages it receives.

#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <vector>

#include "ui/Events.h"
#include "ui/LApplication.h"
#include "ui/LDialogBox.h"
#include "ui/QuickDraw.h"
#include "ui/qt/QtBackend.h"
#include "ui/qt/WindowView.h"

class RecordingWindow : public LDialogBox {
public:
    enum : OSType { class_ID = FOUR_CHAR('T', 'd', 'l', 'g') };
    explicit RecordingWindow(LStream* stream) : LDialogBox(stream) {}

    bool HandleKeyPress(const EventRecord& key) override;
    void ListenToMessage(MessageT message, void* param) override;

    std::vector<EventRecord> keys;
    std::vector<MessageT> messages;

protected:
    void FinishCreateSelf() override;
};

// A pane that shows a picture as the logo pane does: rendered once into an
// offscreen world, copied with the top-left colour left out when it is
// transparent.
class PicturePane : public LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('T', 'l', 'g', 'o') };
    explicit PicturePane(LStream* stream) : LPane(stream) {}

    void setPicture(const QImage& picture, bool transparent);

protected:
    void DrawSelf() override;

private:
    GWorld offscreen;
    bool transparent = false;
};

class QtWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the backend (reading PLATFORM_* as it is now) and shows window 128.
    void openWindow();
    // One pass of the event loop.
    void pass(int count = 1);

    qtui::WindowView& view();
    QWidget& widgetOf(PaneIDT id);
    template <class Pane>
    Pane& pane(PaneIDT id)
    {
        return dynamic_cast<Pane&>(*window->FindPaneByID(id));
    }

    qtui::QtBackend* backend = nullptr;
    std::unique_ptr<LApplication> application;
    RecordingWindow* window = nullptr;
};
