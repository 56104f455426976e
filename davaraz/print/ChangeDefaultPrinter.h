// Makes a printer the system default for the lifetime of the object, then restores the
// default that was in force before.
#pragma once
#include "platform/od/OdString.h"

namespace wut {

class ChangeDefaultPrinter {
public:
    explicit ChangeDefaultPrinter(const OdString& name);
    ~ChangeDefaultPrinter();
    // Copies remember the same earlier default; each restores it when destroyed.
    ChangeDefaultPrinter(const ChangeDefaultPrinter&) = default;
    ChangeDefaultPrinter& operator=(const ChangeDefaultPrinter&) = default;

    bool setDefaultPrinter(const OdString& name);
    const OdString& oldDefaultPrinter() const { return m_oldDefault; }

private:
    OdString m_oldDefault;
};

} // namespace wut
