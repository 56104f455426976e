// The allocator behind array buffers. odrxAlloc returns null when the memory is not there;
// callers that must not fail turn that into OdError(eOutOfMemory).
#pragma once
#include <cstddef>

void* odrxAlloc(std::size_t bytes);
void odrxFree(void* p);
