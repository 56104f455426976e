// malloc-backed allocator of the SDK base types.
#include "platform/od/OdAlloc.h"

#include <cstdlib>

void* odrxAlloc(std::size_t bytes) { return std::malloc(bytes ? bytes : 1); }
void odrxFree(void* p) { std::free(p); }
