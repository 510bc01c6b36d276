#pragma once
// PNG pictures of windows and alerts in a folder, numbered in the order they
// were taken: "003-window128-page2.png". A relaunched process goes on after
// the highest number already in the folder.

#include <string>

class QWidget;

namespace qtui {

class Screenshots {
public:
    explicit Screenshots(std::string folder) : folder(std::move(folder)) {}

    bool enabled() const { return !folder.empty(); }
    // Saves a picture of the widget named after `what`; false when the
    // picture could not be written (a message then goes to stderr).
    bool take(QWidget& widget, const std::string& what);

private:
    int nextNumber() const;

    std::string folder;
};

} // namespace qtui
