#pragma once
// The framework's own failure: an error number and what went wrong.

#include <stdexcept>
#include <string>

#include "core/MacTypes.h"

enum : SInt32 { err_NilPointer = -109 };

class LException : public std::runtime_error {
public:
    LException(SInt32 code, const std::string& what) : std::runtime_error(what), code(code) {}
    SInt32 GetErrorCode() const { return code; }

private:
    SInt32 code;
};
