// The library's print factory: registered, every new print data gets the library's native
// data; unregistered or replaced, new ones no longer do.
#include "WxTestApp.h"
#include "davaraz/print/PrintData.h"
#include "davaraz/print/PrintFactory.h"
#include "davaraz/print/WindowsPrintNativeData.h"

namespace {

using wut::PrintData;
using wut::WindowsPrintNativeData;

bool nativeIsOurs() { return WindowsPrintNativeData::GetNativeData(PrintData()) != nullptr; }

class PrintFactoryTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        SpoolerTest::SetUp();
        ASSERT_TRUE(wxtest::start(false));
    }
    void TearDown() override
    {
        wut::unRegisterPrintFactory();
        SpoolerTest::TearDown();
    }
};

// Made before registration, print data keeps its native data. A second registration takes the
// earlier token out after the new factory is in, and with it the library's factory.
TEST_F(PrintFactoryTest, RegisteredUnregisteredAndRegisteredTwice)
{
    wut::unRegisterPrintFactory();
    EXPECT_FALSE(nativeIsOurs());
    PrintData before;
    wut::registerPrintFactory();
    EXPECT_TRUE(nativeIsOurs());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(before), nullptr);
    wut::registerPrintFactory();
    EXPECT_FALSE(nativeIsOurs());
    wut::unRegisterPrintFactory();
    wut::unRegisterPrintFactory(); // nothing left to remove
    wut::registerPrintFactory();
    EXPECT_TRUE(nativeIsOurs());
}

} // namespace
