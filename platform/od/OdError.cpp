// Descriptions of the result codes, for logs and test output.
#include "platform/od/OdError.h"

const char* OdError::what() const noexcept
{
    switch (m_code) {
    case eOk:
        return "no error";
    case eInvalidInput:
        return "invalid input";
    case eInvalidIndex:
        return "invalid index";
    case eOutOfMemory:
        return "out of memory";
    }
    return "unknown error";
}
