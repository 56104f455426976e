// Shared fixture of the plotter configuration tests: the virtual spooler's printers, a fresh
// TMPDIR that must be empty again after each test, PC3 files made from payload text, and the
// door to the document's private set-up steps.
#pragma once
#include "../platform/win32/SpoolerFixture.h"
#include "TestUtil.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "pia/PiaTestUtil.h"
#include "platform/tvutils/FileName.h"
#include "support/SectionText.h"

#include <memory>
#include <string>

class CPlotCfg3TestAccess {
public:
    static std::unique_ptr<CPlotCfg3> blank() { return std::unique_ptr<CPlotCfg3>(new CPlotCfg3); }
    static void initForPdfExport(CPlotCfg3& cfg) { cfg.initForPdfExport(); }
};

namespace pc3test {

inline std::string laserText() { return sectiontest::dataFile("plotcfg/laser.pc3.txt"); }

// The text with the first line that starts (after indentation) with "key=" replaced by
// "key=value"; the text unchanged when there is none.
inline std::string withValue(std::string text, const std::string& key, const std::string& value)
{
    const std::size_t at = text.find(" " + key + "=");
    if (at == std::string::npos)
        return text;
    const std::size_t end = text.find('\n', at);
    return text.replace(at + 1, end - at - 1, key + "=" + value);
}

using testutil::replaced;

class PlotCfg3Test : public SpoolerTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(m_dir.tempCount(), 0u) << "temporary files left behind";
        SpoolerTest::TearDown();
    }

    // A PIA file holding the text; letters are the kind letters of the version line.
    std::string file(const std::string& name, const std::string& text, const char* letters = "PC3") const
    {
        const std::string path = m_dir.path(name).string();
        testutil::writeBytes(path, piatest::pack(text, letters));
        return path;
    }

    static std::unique_ptr<CPlotCfg3> read(const std::string& path, bool& changed)
    {
        return std::unique_ptr<CPlotCfg3>(CPlotCfg3::read(ut::fromNativePath(path).c_str(), changed));
    }
    static std::unique_ptr<CPlotCfg3> read(const std::string& path)
    {
        bool changed = false;
        return read(path, changed);
    }
    // The payload of a written file, without the NUL the writer ends it with.
    static std::string payloadOf(const std::string& path)
    {
        std::string text = piatest::payload(testutil::readBytes(path));
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        return text;
    }

    testutil::TempDir m_dir;
};

} // namespace pc3test
