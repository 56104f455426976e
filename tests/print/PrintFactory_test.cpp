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

TEST_F(PrintFactoryTest, RegisteredAndUnregistered)
{
    wut::unRegisterPrintFactory();
    EXPECT_FALSE(nativeIsOurs());
    PrintData before;
    wut::registerPrintFactory();
    EXPECT_TRUE(nativeIsOurs());
    EXPECT_EQ(WindowsPrintNativeData::GetNativeData(before), nullptr) << "made before: keeps its native data";
    wut::unRegisterPrintFactory();
    EXPECT_FALSE(nativeIsOurs());
    wut::unRegisterPrintFactory(); // nothing left to remove
    EXPECT_FALSE(nativeIsOurs());
}

// The earlier token goes after the new factory is in and takes it out again.
TEST_F(PrintFactoryTest, SecondRegistrationLeavesNoLibraryFactory)
{
    wut::registerPrintFactory();
    wut::registerPrintFactory();
    EXPECT_FALSE(nativeIsOurs());
    wut::registerPrintFactory(); // the slot held a token: the same once more
    EXPECT_FALSE(nativeIsOurs());
    wut::unRegisterPrintFactory();
    wut::registerPrintFactory();
    EXPECT_TRUE(nativeIsOurs());
}

} // namespace
