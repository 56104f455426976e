// ChangeDefaultPrinter: SetDefaultPrinterW now, and again with the earlier name on destruction.
#include "davaraz/print/ChangeDefaultPrinter.h"
#include "davaraz/print/Printers.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

namespace wut {

ChangeDefaultPrinter::ChangeDefaultPrinter(const OdString& name) : m_oldDefault(getDefaultSystemPrinter(false))
{
    SetDefaultPrinterW(win32::WideArg(name)); // a refusal leaves the old default in force
}

ChangeDefaultPrinter::~ChangeDefaultPrinter()
{
    if (!m_oldDefault.isEmpty())
        SetDefaultPrinterW(win32::WideArg(m_oldDefault));
}

bool ChangeDefaultPrinter::setDefaultPrinter(const OdString& name)
{
    return SetDefaultPrinterW(win32::WideArg(name)) != FALSE;
}

} // namespace wut
