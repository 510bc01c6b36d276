#include "QtFixture.h"

#include "ui/HeadlessBackend.h"
#include "ui/LCaption.h"
#include "ui/LMultiPanelView.h"
#include "ui/LPushButton.h"
#include "ui/LRadioButton.h"
#include "ui/LTextEditView.h"
#include "ui/LWindow.h"
#include "ui/LYieldAttachment.h"
#include "ui/URegistrar.h"

bool RecordingWindow::HandleKeyPress(const EventRecord& key)
{
    keys.push_back(key);
    return false;
}

void RecordingWindow::ListenToMessage(MessageT message, void* /*param*/)
{
    messages.push_back(message);
}

void RecordingWindow::FinishCreateSelf()
{
    for (PaneIDT id : {1050, 1051}) {
        if (auto* button = dynamic_cast<LPushButton*>(FindPaneByID(id)))
            button->AddListener(this);
    }
}

void PicturePane::setPicture(const QImage& picture, bool transparentCopy)
{
    offscreen.bounds = {0, 0, SInt16(picture.height()), SInt16(picture.width())};
    offscreen.pixels.clear();
    for (int v = 0; v < picture.height(); ++v) {
        for (int h = 0; h < picture.width(); ++h) {
            QColor color = picture.pixelColor(h, v);
            offscreen.pixels.push_back(
                {UInt16(color.red() * 257), UInt16(color.green() * 257), UInt16(color.blue() * 257)});
        }
    }
    transparent = transparentCopy;
    ResizeFrameTo(SInt16(picture.width()), SInt16(picture.height()), false);
}

void PicturePane::DrawSelf()
{
    if (offscreen.pixels.empty())
        return;
    CGrafPtr port = nullptr;
    GDHandle device = nullptr;
    GetGWorld(&port, &device);
    RGBBackColor(&offscreen.pixels.front());
    Rect frame;
    CalcLocalFrameRect(frame);
    CopyBits(&offscreen, GetPortBitMapForCopyBits(port), &offscreen.bounds, &frame, transparent ? 36 : 1, nullptr);
}

void QtWindowTest::SetUp()
{
    static const bool registered = [] {
        RegisterClass_<RecordingWindow>();
        RegisterClass_<PicturePane>();
        RegisterClass_<LCaption>();
        RegisterClass_<LPushButton>();
        RegisterClass_<LRadioButton>();
        RegisterClass_<LMultiPanelView>();
        RegisterClass_<LTextEditView>();
        return true;
    }();
    (void)registered;
}

void QtWindowTest::TearDown()
{
    application.reset(); // closes the window
    ToolboxBackend::Install(std::make_unique<HeadlessBackend>());
}

void QtWindowTest::openWindow()
{
    auto made = std::make_unique<qtui::QtBackend>();
    backend = made.get();
    ToolboxBackend::Install(std::move(made));
    application = std::make_unique<LApplication>();
    application->AddAttachment(new LYieldAttachment(-1));
    window = dynamic_cast<RecordingWindow*>(LWindow::CreateWindow(128, application.get()));
    ASSERT_NE(window, nullptr);
    auto& pages = pane<LMultiPanelView>(1001);
    pages.SwitchToPanel(1);
    window->Show();
}

void QtWindowTest::pass(int count)
{
    for (int done = 0; done < count; ++done)
        application->ProcessNextEvent();
}

qtui::WindowView& QtWindowTest::view()
{
    qtui::WindowView* shown = backend->viewOf(*window);
    EXPECT_NE(shown, nullptr);
    return *shown;
}

QWidget& QtWindowTest::widgetOf(PaneIDT id)
{
    QWidget* widget = view().widgetOf(window->FindPaneByID(id));
    EXPECT_NE(widget, nullptr) << "pane " << id;
    return *widget;
}
