#include "ui/LWindow.h"

#include <algorithm>

#include "core/Transcript.h"
#include "ui/ApplicationResources.h"
#include "ui/LException.h"
#include "ui/LMultiPanelView.h"
#include "ui/LStream.h"
#include "ui/LayoutParser.h"
#include "ui/ToolboxBackend.h"
#include "ui/URegistrar.h"

namespace {

std::vector<LWindow*> openWindows;  // front first
std::vector<LWindow*> closedWindows;

[[noreturn]] void cannotBuild(ResIDT id, const std::string& why)
{
    throw LException(err_NilPointer, "window " + std::to_string(id) + ": " + why);
}

void buildPanes(const LayoutNode& node, LView* parent, ResIDT id, std::vector<LPane*>& built);

void buildPage(const LayoutNode& node, LView* parent, ResIDT id, std::vector<LPane*>& built)
{
    auto* pages = dynamic_cast<LMultiPanelView*>(parent);
    if (!pages)
        cannotBuild(id, "page outside a multi-page view, line " + std::to_string(node.line));
    LayoutNode pageLayout = node;
    pageLayout.id = 0;
    LStream stream(pageLayout);
    auto* page = new LView(&stream);
    pages->AddPage(SInt16(node.id), page);
    built.push_back(page);
    for (const LayoutNode& child : node.children)
        buildPanes(child, page, id, built);
}

void buildPanes(const LayoutNode& node, LView* parent, ResIDT id, std::vector<LPane*>& built)
{
    if (node.kind == "page") {
        buildPage(node, parent, id, built);
        return;
    }
    LStream stream(node);
    LPane* pane = URegistrar::CreateObject(node.classID, &stream);
    if (!pane)
        cannotBuild(id, "class not registered, line " + std::to_string(node.line));
    pane->PutInside(parent);
    built.push_back(pane);
    auto* view = dynamic_cast<LView*>(pane);
    if (!view && !node.children.empty())
        cannotBuild(id, "panes inside a pane that is no view, line " + std::to_string(node.line));
    for (const LayoutNode& child : node.children)
        buildPanes(child, view, id, built);
}

} // namespace

LWindow::LWindow(LStream* stream)
    : LView(stream), closeBox(stream->has("closebox"))
{
}

LWindow::~LWindow()
{
    std::erase(openWindows, this);
    std::erase(closedWindows, this);
}

LWindow* LWindow::CreateWindow(ResIDT id, LCommander* superCommander)
{
    std::optional<LayoutNode> layout;
    try {
        layout = ApplicationResources::find("window", id);
    } catch (const LayoutError& error) {
        cannotBuild(id, error.what());
    }
    if (!layout)
        cannotBuild(id, "no such resource");
    LStream stream(*layout);
    LPane* root = URegistrar::CreateObject(layout->classID, &stream);
    auto* window = dynamic_cast<LWindow*>(root);
    if (!window) {
        delete root;
        cannotBuild(id, "its class is not a registered window class");
    }
    window->resourceID = id;
    window->Hide();
    window->SetSuperCommander(superCommander);
    openWindows.insert(openWindows.begin(), window);
    platform::Transcript::write("window-open " + std::to_string(id));
    try {
        std::vector<LPane*> built;
        for (const LayoutNode& child : layout->children)
            buildPanes(child, window, id, built);
        for (LPane* pane : built)
            pane->FinishCreate();
        window->FinishCreate();
    } catch (...) {
        if (window->IsOpen()) {
            window->DoClose();
            delete window;
        }
        throw;
    }
    return window;
}

void LWindow::SetDescriptor(ConstStr255Param title)
{
    setDescriptorQuietly(std::string(reinterpret_cast<const char*>(title + 1), title[0]));
    noteChange("caption " + platform::Transcript::quote(DescriptorText()));
}

void LWindow::Show()
{
    if (closed)
        return;
    LPane::Show();
    std::erase(openWindows, this);
    openWindows.insert(openWindows.begin(), this);
    ToolboxBackend::Current().WindowShown(*this);
}

void LWindow::AttemptClose()
{
    if (closed)
        return;
    LCommander* super = GetSuperCommander();
    if (super && !super->AllowSubRemoval(this))
        return;
    DoClose();
}

void LWindow::DoClose()
{
    if (closed)
        return;
    closed = true;
    std::erase(openWindows, this);
    closedWindows.push_back(this);
    SetSuperCommander(nullptr);
    platform::Transcript::write("window-close " + std::to_string(resourceID));
    ToolboxBackend::Current().WindowClosed(*this);
}

bool LWindow::ObeyCommand(CommandT command, void* param)
{
    if (command == cmd_Close) {
        AttemptClose();
        return true;
    }
    return LCommander::ObeyCommand(command, param);
}

void LWindow::FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                                Str255 outName)
{
    if (command == cmd_Close) {
        outEnabled = true;
        outUsesMark = false;
        return;
    }
    LCommander::FindCommandStatus(command, outEnabled, outUsesMark, outMark, outName);
}

std::vector<LWindow*> LWindow::OpenWindows()
{
    return openWindows;
}

LWindow* LWindow::FrontWindow()
{
    for (LWindow* window : openWindows) {
        if (window->IsVisible())
            return window;
    }
    return nullptr;
}

bool LWindow::IsOpenWindow(const LWindow* window)
{
    return std::find(openWindows.begin(), openWindows.end(), window) != openWindows.end();
}

void LWindow::DisposeClosedWindows()
{
    std::vector<LWindow*> closing;
    closing.swap(closedWindows);
    for (LWindow* window : closing)
        delete window;
}
