// PrintFactory and the one registration slot.
#include "davaraz/print/PrintFactory.h"
#include "davaraz/print/WindowsPrintNativeData.h"

#include <memory>
#include <utility>

namespace wut {

wxPrintNativeDataBase* PrintFactory::CreatePrintNativeData() { return new WindowsPrintNativeData; }

PrintFactoryRegistration::PrintFactoryRegistration() { wxPrintFactory::SetPrintFactory(new PrintFactory); }

PrintFactoryRegistration::~PrintFactoryRegistration() { wxPrintFactory::SetPrintFactory(nullptr); }

namespace {
std::unique_ptr<PrintFactoryRegistration> g_registration;
} // namespace

void registerPrintFactory()
{
    auto fresh = std::make_unique<PrintFactoryRegistration>();
    std::unique_ptr<PrintFactoryRegistration> earlier = std::exchange(g_registration, std::move(fresh));
    // earlier dies here, after the new factory went in, and takes it out again.
}

void unRegisterPrintFactory() { g_registration.reset(); }

} // namespace wut
