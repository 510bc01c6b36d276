#include "core/MacMemory.h"

#include <cstdlib>
#include <new>

namespace {

OSErr lastError = noErr;

// A handle is a master pointer followed by the block's size; the block itself
// lives behind the pointer.
struct MasterPointer {
    char* block;
    Size size;
};

} // namespace

Ptr NewPtr(Size byteCount)
{
    Ptr p = byteCount >= 0 ? static_cast<Ptr>(std::malloc(size_t(byteCount ? byteCount : 1))) : nullptr;
    lastError = p ? noErr : memFullErr;
    return p;
}

void DisposePtr(Ptr p)
{
    std::free(p);
}

Handle NewHandle(Size byteCount)
{
    auto* master = new (std::nothrow) MasterPointer{nullptr, byteCount};
    if (master && byteCount >= 0)
        master->block = static_cast<char*>(std::malloc(size_t(byteCount ? byteCount : 1)));
    if (!master || !master->block) {
        delete master;
        lastError = memFullErr;
        return nullptr;
    }
    lastError = noErr;
    return &master->block;
}

void DisposeHandle(Handle h)
{
    if (!h)
        return;
    auto* master = reinterpret_cast<MasterPointer*>(h);
    std::free(master->block);
    delete master;
}

Size GetHandleSize(Handle h)
{
    return h ? reinterpret_cast<MasterPointer*>(h)->size : 0;
}

OSErr MemError()
{
    return lastError;
}

void MoreMasterPointers(UInt32) {}
