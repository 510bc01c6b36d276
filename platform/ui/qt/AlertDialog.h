#pragma once
// The note alert: a modal window built from the alert layout of the
// application's resources, its "^0" replaced by the text; without such a
// layout, a plain note with the text and an OK button. Its push buttons
// dismiss it, and so do Return, Enter (the default button's keys) and
// Escape; the toolkit's own dialog keys do nothing.

#include <QDialog>

#include <string>

#include "core/MacTypes.h"

struct LayoutNode;

namespace qtui {

class AlertDialog : public QDialog {
public:
    AlertDialog(SInt16 alertID, const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFromLayout(const LayoutNode& layout, const QString& text);
    void buildPlain(const QString& text);
};

} // namespace qtui
