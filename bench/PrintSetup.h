// One start of wxWidgets (without GUI; the paper database is a module) and of the library's
// print factory for every print benchmark of the binary.
#pragma once
#include "davaraz/print/PrintFactory.h"
#include "platform/vspool/VirtualSpooler.h"

#include <wx/init.h>

namespace benchsetup {

struct PrintSetup {
    PrintSetup()
    {
        vspool::loadText(vspool::embeddedDescription(), "embedded");
        wxInitialize();
        wut::registerPrintFactory();
    }
    ~PrintSetup()
    {
        wut::unRegisterPrintFactory();
        wxUninitialize();
    }
};

inline void print()
{
    static PrintSetup once;
}

} // namespace benchsetup
