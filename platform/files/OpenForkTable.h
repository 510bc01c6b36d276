#pragma once
// The data forks opened through FSpOpenDF, by file reference number.

#include <map>

#include "core/MacTypes.h"

namespace platform {

struct OpenFork {
    int descriptor = -1;
    bool writable = false;
};

class OpenForkTable {
public:
    static OpenForkTable& shared();

    SInt16 add(OpenFork fork);
    // Null for a reference number that is not open.
    OpenFork* find(SInt16 refNum);
    // The descriptor of a closed fork, -1 when refNum was not open.
    int remove(SInt16 refNum);

private:
    std::map<SInt16, OpenFork> forks_;
    SInt16 nextRefNum_ = 3; // wraps back to 3 after the largest number
};

} // namespace platform
