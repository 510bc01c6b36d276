// Linked in whole into a program, this makes PLATFORM_UI=qt available.

#include "ui/qt/QtBackend.h"

namespace {

const bool registered = [] {
    qtui::QtBackend::Register();
    return true;
}();

} // namespace
