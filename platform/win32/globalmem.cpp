// Global memory blocks: a registry of live blocks so that stale or foreign handles fail cleanly
// with ERROR_INVALID_HANDLE instead of touching memory.
#include "platform/win32/globalmem.h"
#include "platform/win32/errors.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct Block {
    bool movable;
    SIZE_T size;
    UINT locks;
    void* data;
};

struct Registry {
    std::mutex mutex;
    std::map<HGLOBAL, std::unique_ptr<Block>> blocks;
};

// Never destroyed: a block freed by a static object's destructor at exit must still find it.
Registry& registry()
{
    static Registry* r = new Registry;
    return *r;
}

Block* find(Registry& r, HGLOBAL mem)
{
    const auto it = r.blocks.find(mem);
    return it == r.blocks.end() ? nullptr : it->second.get();
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // One byte at least, so that a zero-byte block still has a unique address.
    void* data = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (!data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>(Block{(flags & GMEM_MOVEABLE) != 0, bytes, 0, data});
    // A movable block is named by its own record; a fixed one by its address.
    HGLOBAL handle = block->movable ? static_cast<HGLOBAL>(block.get()) : data;
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.blocks.emplace(handle, std::move(block));
    return handle;
}

LPVOID GlobalLock(HGLOBAL mem)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    Block* b = find(r, mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (b->movable && b->locks < GMEM_LOCKCOUNT)
        ++b->locks;
    return b->data;
}

BOOL GlobalUnlock(HGLOBAL mem)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    Block* b = find(r, mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (b->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--b->locks > 0)
        return TRUE;
    SetLastError(ERROR_SUCCESS);
    return FALSE;
}

HGLOBAL GlobalFree(HGLOBAL mem)
{
    if (!mem)
        return nullptr;
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const auto it = r.blocks.find(mem);
    if (it == r.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return mem;
    }
    std::free(it->second->data);
    r.blocks.erase(it);
    return nullptr;
}

SIZE_T GlobalSize(HGLOBAL mem)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const Block* b = find(r, mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return b->size;
}

UINT GlobalFlags(HGLOBAL mem)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const Block* b = find(r, mem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return GMEM_INVALID_HANDLE;
    }
    return b->locks & GMEM_LOCKCOUNT;
}

namespace win32 {
std::size_t globalBlocksInUse()
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.blocks.size();
}
} // namespace win32
