#include "ui/LGrowZone.h"

#include <new>

namespace {

LGrowZone* theGrowZone = nullptr;

}

LGrowZone::LGrowZone(std::size_t reserveSize)
    : reserve(new char[reserveSize])
{
    theGrowZone = this;
    std::set_new_handler(&LGrowZone::onAllocationFailure);
}

LGrowZone::~LGrowZone()
{
    if (theGrowZone == this) {
        theGrowZone = nullptr;
        std::set_new_handler(nullptr);
    }
    delete[] reserve;
}

bool LGrowZone::ReleaseReserve()
{
    if (!reserve)
        return false;
    delete[] reserve;
    reserve = nullptr;
    return true;
}

LGrowZone* LGrowZone::GetGrowZone()
{
    return theGrowZone;
}

void LGrowZone::onAllocationFailure()
{
    // Once the reserve is gone, the allocation fails as usual.
    if (!theGrowZone || !theGrowZone->ReleaseReserve()) {
        std::set_new_handler(nullptr);
        throw std::bad_alloc();
    }
}
