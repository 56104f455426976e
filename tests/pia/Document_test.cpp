// Read failures of every document over the one road: what failed, the payload line and the key
// path, with no document, no temporary file and the caller's flag untouched (a configuration's
// sections and keys at fault: the info session; tables: the recordings and plotstyle sessions).
#include "plotcfg/PlotCfg3Test.h"
#include "davaraz/plotmodel/PlotModelParam.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include <memory>

namespace {

using pc3test::laserText;
using pc3test::replaced;
using pia::ReadStatus;

enum class Doc { pc3, pmp, ctb };

struct Case {
    const char* name;
    Doc doc;
    std::string bytes; // the whole file; a payload is packed by the helpers below
    ReadStatus status;
    std::wstring key;
};

std::string pc3(const std::string& text) { return piatest::pack(text, "PC3"); }

Case pmpCase(const char* name, const char* from, const char* to, const std::wstring& key)
{
    const std::string text = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    return {name, Doc::pmp, pc3(replaced(text, from, to)), ReadStatus::content, key};
}

std::vector<Case> cases()
{
    const std::string notPia = "not a PIA file at all, but long enough for a header........";
    return {
        {"pc3 empty file", Doc::pc3, "", ReadStatus::container, L""},
        {"pc3 not PIA", Doc::pc3, notPia, ReadStatus::container, L""},
        pmpCase("pmp no meta", "meta{", "other{", L"meta"),
        pmpCase("pmp no mod", "mod{", "other{", L"mod"),
        pmpCase("pmp no udm", "udm{", "other{", L"udm"),
        pmpCase("pmp key mistyped", "_y=0.997500", "_y=\"0.9975", L"udm/calibration/_y"),
        {"pmp not PIA", Doc::pmp, notPia, ReadStatus::container, L""},
    };
}

class DocumentRead : public pc3test::PlotCfg3Test {
protected:
    // Reads path as the document; true when a document came back.
    static bool read(Doc doc, const std::string& path, pia::ReadResult& result)
    {
        const OdString file = path.empty() ? OdString() : ut::fromNativePath(path);
        const wchar_t* name = path.empty() ? nullptr : file.c_str();
        switch (doc) {
        case Doc::pc3: {
            bool changed = true;
            std::unique_ptr<CPlotCfg3> cfg(CPlotCfg3::read(name, changed, &result));
            EXPECT_TRUE(cfg || changed) << "changed is assigned only on success";
            return cfg != nullptr;
        }
        case Doc::pmp:
            return std::unique_ptr<PlotModelParam>(PlotModelParam::read(name, {}, &result)) != nullptr;
        case Doc::ctb:
            return std::unique_ptr<CPlotStyleTable>(CPlotStyleTable::read(name, &result)) != nullptr;
        }
        return false;
    }
};

TEST_F(DocumentRead, FailuresSayWhatAndWhere)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const std::string path = m_dir.path("doc.pc3").string();
        testutil::writeBytes(path, c.bytes);
        pia::ReadResult result;
        EXPECT_FALSE(read(c.doc, path, result));
        EXPECT_FALSE(result);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.key, c.key);
        EXPECT_FALSE(result.description().empty());
    }
    // A grammar fault names its line in the sentence; a key fault names its key.
    pia::ReadResult grammar;
    grammar.status = ReadStatus::grammar;
    grammar.line = 7;
    EXPECT_EQ(grammar.description(), L"the payload does not parse (line 7)");
    pia::ReadResult key;
    key.refuse(L"media/size");
    key.refuse(L"later"); // the first fault stays
    EXPECT_EQ(key.description(), L"missing or malformed required key \"media/size\"");
}

TEST_F(DocumentRead, MissingFilesAndNoNames)
{
    for (Doc doc : {Doc::pc3, Doc::pmp, Doc::ctb}) {
        pia::ReadResult result;
        EXPECT_FALSE(read(doc, m_dir.path("absent.pc3").string(), result));
        EXPECT_EQ(result.status, ReadStatus::container);
        EXPECT_FALSE(read(doc, "", result));
        EXPECT_EQ(result.status, ReadStatus::noPath);
        EXPECT_EQ(result.description(), L"no file name");
    }
    // An empty name must not find the alternative folder itself.
    OdArray<OdString> alternatives;
    alternatives.push_back(ut::fromNativePath(m_dir.path("").string()));
    EXPECT_EQ(PlotModelParam::read(L"", alternatives), nullptr);
}

TEST_F(DocumentRead, AReadDocumentReportsOk)
{
    pia::ReadResult result;
    testutil::writeBytes(m_dir.path("laser.pc3"), pc3(laserText()));
    EXPECT_TRUE(read(Doc::pc3, m_dir.path("laser.pc3").string(), result));
    EXPECT_TRUE(result);
    EXPECT_EQ(result.status, ReadStatus::ok);
}

} // namespace
