#pragma once
// Texts of the emulated machine are bytes in Mac OS Roman with lines ended
// by CR; Qt shows Unicode with LF.

#include <QString>

#include <optional>
#include <string>

#include "core/MacTypes.h"

namespace qtui {

// The bytes as Unicode; CR and CR LF end lines.
QString fromMacRoman(const std::string& bytes);
// The Mac OS Roman byte of a character, or nothing when it has none.
std::optional<UInt8> toMacRoman(QChar character);

} // namespace qtui
