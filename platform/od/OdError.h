// Exceptions of the CAD SDK base types: OdError carries a result code; OdError_InvalidIndex is
// what bounds-checked element access throws.
#pragma once
#include "platform/od/OdResult.h"

#include <exception>

class OdError : public std::exception {
public:
    explicit OdError(OdResult code) : m_code(code) {}
    OdResult code() const { return m_code; }
    const char* what() const noexcept override;

private:
    OdResult m_code;
};

class OdError_InvalidIndex : public OdError {
public:
    OdError_InvalidIndex() : OdError(eInvalidIndex) {}
};
