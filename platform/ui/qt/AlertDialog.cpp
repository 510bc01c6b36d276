#include "ui/qt/AlertDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>
#include <optional>

#include "ui/ApplicationResources.h"
#include "ui/LPushButton.h"
#include "ui/LCaption.h"
#include "ui/LStream.h"
#include "ui/LayoutParser.h"
#include "ui/qt/MacText.h"
#include "ui/qt/PaneWidgets.h"

namespace qtui {

namespace {

constexpr int noteIconSize = 32;

std::optional<LayoutNode> alertLayout(SInt16 alertID)
{
    try {
        return ApplicationResources::find("alert", alertID);
    } catch (const LayoutError& error) {
        std::fprintf(stderr, "Alert %d: %s\n", alertID, error.what());
        return std::nullopt;
    }
}

QRect frameOf(const LStream& stream)
{
    return QRect(stream.number("frame", 0, 0), stream.number("frame", 1, 0), stream.number("frame", 2, 0),
                 stream.number("frame", 3, 0));
}

QLabel* noteIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    icon->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(noteIconSize));
    return icon;
}

} // namespace

AlertDialog::AlertDialog(SInt16 alertID, const std::string& text)
{
    setModal(true);
    QString shown = fromMacRoman(text);
    std::optional<LayoutNode> layout = alertLayout(alertID);
    if (layout) {
        try {
            buildFromLayout(*layout, shown);
            return;
        } catch (const LayoutError& error) {
            std::fprintf(stderr, "Alert %d: %s\n", alertID, error.what());
            qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
        }
    }
    buildPlain(shown);
}

void AlertDialog::buildFromLayout(const LayoutNode& layout, const QString& text)
{
    LStream window(layout);
    setWindowTitle(fromMacRoman(window.text("text")).replace("^0", text));
    QRect frame = frameOf(window);
    setFixedSize(frame.size());
    noteIcon(this)->setGeometry(12, 12, noteIconSize, noteIconSize);
    for (const LayoutNode& item : layout.children) {
        LStream stream(item);
        QString itemText = fromMacRoman(stream.text("text")).replace("^0", text);
        if (item.classID == LPushButton::class_ID) {
            auto* button = new MarkedPushButton(this);
            button->setText(itemText);
            button->setMarked(stream.has("default"));
            button->setGeometry(frameOf(stream));
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        } else if (item.classID == LCaption::class_ID) {
            auto* caption = new QLabel(itemText, this);
            caption->setWordWrap(true);
            caption->setTextFormat(Qt::PlainText);
            caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            caption->setGeometry(frameOf(stream));
        }
    }
}

void AlertDialog::buildPlain(const QString& text)
{
    auto* rows = new QVBoxLayout(this);
    auto* message = new QHBoxLayout;
    message->addWidget(noteIcon(this), 0, Qt::AlignTop);
    auto* caption = new QLabel(text, this);
    caption->setWordWrap(true);
    caption->setTextFormat(Qt::PlainText);
    caption->setMinimumWidth(280);
    message->addWidget(caption, 1);
    rows->addLayout(message);
    auto* ok = new MarkedPushButton(this);
    ok->setText("OK");
    ok->setMarked(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    rows->addWidget(ok, 0, Qt::AlignRight);
}

void AlertDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (!event->isAutoRepeat())
            accept();
        break;
    default:
        break;
    }
}

} // namespace qtui
