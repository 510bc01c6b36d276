#pragma once
// A memory reserve kept for the life of the process: when an allocation
// would fail, the reserve is released once so that the program can still
// report the failure.

#include <cstddef>

class LGrowZone {
public:
    explicit LGrowZone(std::size_t reserveSize);
    ~LGrowZone();
    LGrowZone(const LGrowZone&) = delete;
    LGrowZone& operator=(const LGrowZone&) = delete;

    bool HasReserve() const { return reserve != nullptr; }
    // Releases the reserve; true when there was one to release.
    bool ReleaseReserve();

    static LGrowZone* GetGrowZone();

private:
    static void onAllocationFailure();

    char* reserve = nullptr;
};
