#include "ui/qt/PaneWidgets.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <typeinfo>

#include "ui/LCaption.h"
#include "ui/LMultiPanelView.h"
#include "ui/LPushButton.h"
#include "ui/LRadioButton.h"
#include "ui/LTextEditView.h"
#include "ui/qt/MacText.h"
#include "ui/qt/PaneImage.h"

namespace qtui {

namespace {

constexpr int markWidth = 3;

// A pane of a class the backend does not know draws itself (the logo).
bool drawsItself(const LPane& pane)
{
    const std::type_info& type = typeid(pane);
    return type != typeid(LPane) && type != typeid(LView) && type != typeid(LMultiPanelView);
}

QLabel* makeCaption(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPlainTextEdit* makeTextView(QWidget* parent)
{
    auto* view = new QPlainTextEdit(parent);
    view->setReadOnly(true);
    view->setFocusPolicy(Qt::NoFocus);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return view;
}

QWidget* makePushButton(LPushButton& button, QWidget* parent, const PostInput& post)
{
    auto* widget = new MarkedPushButton(parent);
    LWindow* window = button.GetWindow();
    PaneIDT id = button.GetPaneID();
    QObject::connect(widget, &QPushButton::clicked, widget, [post, id, window] { post(InputEvent::click(id, window)); });
    return widget;
}

QWidget* makeRadioButton(LRadioButton& radio, QWidget* parent, const PostInput& post)
{
    auto* widget = new QRadioButton(parent);
    widget->setAutoExclusive(false);
    widget->setFocusPolicy(Qt::NoFocus);
    LWindow* window = radio.GetWindow();
    PaneIDT id = radio.GetPaneID();
    QObject::connect(widget, &QRadioButton::clicked, widget, [widget, post, id, window] {
        // Qt has toggled the button by itself: undo that; the pane's value
        // shows once the framework has taken the click.
        widget->setChecked(!widget->isChecked());
        post(InputEvent::click(id, window));
    });
    return widget;
}

void followText(LTextEditView& pane, QPlainTextEdit& view)
{
    QString text = fromMacRoman(pane.GetText());
    if (view.toPlainText() != text) {
        int scrolled = view.verticalScrollBar()->value();
        view.setPlainText(text);
        view.verticalScrollBar()->setValue(scrolled);
    }
}

void followCaption(const LCaption& caption, const QString& text, QLabel& label)
{
    label.setText(text);
    QFont font = QApplication::font();
    if (caption.GetFontSize() > 0)
        font.setPointSize(caption.GetFontSize());
    font.setBold(caption.IsBold());
    label.setFont(font);
}

void followFrame(LPane& pane, QWidget& widget)
{
    SDimension16 size = pane.GetFrameSize();
    Point at = pane.GetFrameLocation();
    QWidget* parent = widget.parentWidget();
    // A page of a multi-page view has no frame of its own: it fills the view.
    if (size.width == 0 && size.height == 0 && parent && !widget.isWindow())
        widget.setGeometry(0, 0, parent->width(), parent->height());
    else
        widget.setGeometry(at.h, at.v, size.width, size.height);
}

} // namespace

PaneCanvas::PaneCanvas(LPane& pane, bool drawsItself, QWidget* parent)
    : QWidget(parent), pane(pane), drawsItself(drawsItself)
{
}

void PaneCanvas::paintEvent(QPaintEvent* /*event*/)
{
    if (!drawsItself)
        return;
    QImage image = drawnImage(pane);
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

MarkedPushButton::MarkedPushButton(QWidget* parent)
    : QPushButton(parent)
{
    // Return, Enter and Space are the wizard's to decide.
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::NoFocus);
}

void MarkedPushButton::setMarked(bool mark)
{
    if (marked == mark)
        return;
    marked = mark;
    update();
}

void MarkedPushButton::paintEvent(QPaintEvent* event)
{
    if (!marked) {
        QPushButton::paintEvent(event);
        return;
    }
    // The button itself inside, the mark as a rounded ring around it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ring = isEnabled() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter.setPen(QPen(ring, markWidth));
    qreal inset = markWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 7, 7);
    painter.end();
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(markWidth + 1, markWidth + 1, -markWidth - 1, -markWidth - 1);
    QPainter inner(this);
    style()->drawControl(QStyle::CE_PushButton, &option, &inner, this);
}

QWidget* makePaneWidget(LPane& pane, QWidget* parent, const PostInput& post)
{
    if (auto* button = dynamic_cast<LPushButton*>(&pane))
        return makePushButton(*button, parent, post);
    if (auto* radio = dynamic_cast<LRadioButton*>(&pane))
        return makeRadioButton(*radio, parent, post);
    if (dynamic_cast<LTextEditView*>(&pane))
        return makeTextView(parent);
    if (dynamic_cast<LCaption*>(&pane))
        return makeCaption(parent);
    return new PaneCanvas(pane, drawsItself(pane), parent);
}

void followPane(LPane& pane, QWidget& widget)
{
    followFrame(pane, widget);
    widget.setEnabled(pane.IsEnabled());
    QString text = fromMacRoman(pane.DescriptorText());
    if (auto* button = dynamic_cast<LPushButton*>(&pane)) {
        auto& shown = static_cast<MarkedPushButton&>(widget);
        shown.setText(text);
        shown.setMarked(button->IsDefaultButton());
    } else if (auto* radio = dynamic_cast<LRadioButton*>(&pane)) {
        auto& shown = static_cast<QRadioButton&>(widget);
        shown.setText(text);
        shown.setChecked(radio->GetValue() != 0);
    } else if (auto* textView = dynamic_cast<LTextEditView*>(&pane)) {
        followText(*textView, static_cast<QPlainTextEdit&>(widget));
    } else if (auto* caption = dynamic_cast<LCaption*>(&pane)) {
        followCaption(*caption, text, static_cast<QLabel&>(widget));
    } else {
        widget.update();
    }
    widget.setVisible(pane.IsVisible());
}

} // namespace qtui
