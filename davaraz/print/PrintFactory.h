// The print factory that gives every wxPrintData a WindowsPrintNativeData, and its
// process-wide registration.
#pragma once
#include <wx/prntbase.h>

namespace wut {

// Everything as the native factory does it, except the native data it creates.
class PrintFactory : public wxNativePrintFactory {
public:
    wxPrintNativeDataBase* CreatePrintNativeData() override;
};

// Installs a new PrintFactory in wxWidgets (which then owns it) while alive; its destruction
// removes whatever factory is installed.
class PrintFactoryRegistration {
public:
    PrintFactoryRegistration();
    ~PrintFactoryRegistration();
    PrintFactoryRegistration(const PrintFactoryRegistration&) = delete;
    PrintFactoryRegistration& operator=(const PrintFactoryRegistration&) = delete;
};

// Makes wxWidgets create the library's native data for print data made from now on. A second
// call without unRegisterPrintFactory in between leaves no library factory installed.
void registerPrintFactory();
void unRegisterPrintFactory();

} // namespace wut
