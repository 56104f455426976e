// The one empty buffer that every empty OdArray shares; its count never reaches zero.
#include "platform/od/OdArray.h"

OdArrayBuffer OdArrayBuffer::g_empty_array_buffer = {{1}, 8, 0, 0};
