#pragma once
// Conversions between the File Manager's length-prefixed Mac names and the
// host's file names: "/" in a Mac name is ":" on disk and back.

#include <string>

#include "core/MacTypes.h"

namespace platform {

// The bytes of a length-prefixed string; empty for a null pointer.
std::string pascalText(ConstStr255Param text);
// Fills a length-prefixed string of at most capacity bytes (length byte
// included), cutting longer text.
void setPascalText(StringPtr out, const std::string& text, size_t capacity = 256);

// Whether a single Mac name can stand on disk: not empty, not "." or "..",
// no NUL byte, at most 255 bytes.
bool isValidMacName(const std::string& macName);
std::string diskNameOf(const std::string& macName);
std::string macNameOf(const std::string& diskName);

} // namespace platform
