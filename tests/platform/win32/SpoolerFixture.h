// Test fixture for code that talks to the spooler: the embedded printers before each test, and
// after it no open printer handle, device context or global block left behind.
#pragma once
#include "LastError.h"
#include "platform/vspool/VirtualSpooler.h"
#include "platform/win32/gdi.h"
#include "platform/win32/globalmem.h"
#include "platform/win32/winspool.h"

class SpoolerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vspool::loadText(vspool::embeddedDescription(), "embedded"));
        vspool::resetCounts();
        m_blocks = win32::globalBlocksInUse();
    }
    void TearDown() override
    {
        EXPECT_EQ(win32::openPrinterHandles(), 0u);
        EXPECT_EQ(win32::openDeviceContexts(), 0u);
        EXPECT_EQ(win32::globalBlocksInUse(), m_blocks);
        vspool::loadText(vspool::embeddedDescription(), "embedded");
    }
    static void poison() { SetLastError(kPoison); }

    // A minimal printer for tests that need a known set.
    static vspool::Printer printer(const std::wstring& name, bool network = false)
    {
        vspool::Printer p;
        p.name = name;
        p.driver = name + L" Driver";
        p.port = network ? L"\\\\host\\" + name : L"LPT1:";
        p.comment = L"comment of " + name;
        p.network = network;
        p.server = network ? L"\\\\host" : L"";
        p.papers = {{9, L"A4", 2100, 2970, {42, 42, 42, 42}}, {1, L"Letter", 2159, 2794, {42, 42, 42, 42}}};
        return p;
    }

private:
    std::size_t m_blocks = 0;
};
