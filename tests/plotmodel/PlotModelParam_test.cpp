// Plot model parameter documents: locating the file among alternative folders, loading,
// creating, copying and saving, with the temporary folder watched for leftovers.
#include "TestUtil.h"
#include "davaraz/plotmodel/PlotModelParam.h"
#include "platform/tvutils/FileName.h"
#include "pia/PiaTestUtil.h"
#include "support/SectionText.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

OdString od(const std::string& path) { return ut::fromNativePath(path); }

// Every test runs with TMPDIR pointing at a fresh folder that must be empty again at the end.
class PlotModelParamTest : public ::testing::Test {
protected:
    PlotModelParamTest() { fs::create_directories(m_files); }
    void TearDown() override { EXPECT_EQ(m_dir.tempCount(), 0u) << "temporary files left behind"; }

    // Writes payload text as a PIA file.
    static void writePia(const std::string& text, const std::string& path)
    {
        fs::create_directories(fs::path(path).parent_path());
        testutil::writeBytes(path, piatest::pack(text, "PC3"));
    }

    const testutil::TempDir m_dir;
    const std::string m_files = m_dir.path("files").string();
};

class CurrentDir {
public:
    explicit CurrentDir(const std::string& dir) : m_old(fs::current_path()) { fs::current_path(dir); }
    ~CurrentDir() { fs::current_path(m_old); }

private:
    fs::path m_old;
};

std::unique_ptr<PlotModelParam> readPmp(const std::string& path, const std::vector<std::string>& alternatives)
{
    OdArray<OdString> alts;
    for (const auto& a : alternatives)
        alts.push_back(od(a));
    return std::unique_ptr<PlotModelParam>(PlotModelParam::read(od(path).c_str(), alts));
}

} // namespace

TEST_F(PlotModelParamTest, MissingFileIsSearchedInAlternativeFoldersInOrder)
{
    const std::string root = m_files;
    const std::string text = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    const std::string missing = root + "/gone/laser.pmp";
    const std::string a = root + "/a/";
    const std::string b = root + "/b";
    CurrentDir cwd(root);

    EXPECT_FALSE(readPmp(missing, {a, "", b}));

    // Each file added below comes earlier in the search than the ones before it.
    struct Step {
        std::string file;
        std::string foundAt;
    } steps[] = {
        {root + "/bPMP/laser.pmp", root + "/bPMP/laser.pmp"},
        {root + "/b/laser.pmp", root + "/b/laser.pmp"},
        {root + "/PMP/laser.pmp", root + "/PMP/laser.pmp"}, // the empty alternative, relative
        {root + "/a/PMP/laser.pmp", root + "/a/PMP/laser.pmp"},
        {root + "/a/laser.pmp", root + "/a/laser.pmp"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.file);
        writePia(text, s.file);
        const auto doc = readPmp(missing, {a, "", b});
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->path(), od(s.foundAt));
        EXPECT_EQ(doc->meta.userDefinedModelPathname, od(s.foundAt).str());
    }
    // Only the alternative's own subfolder counts, not one beside it without the separator.
    EXPECT_FALSE(readPmp(missing, {root + "/c/"}));
}

TEST_F(PlotModelParamTest, HiddenSectionIsOptionalAndDroppedWhenUnreadable)
{
    const std::string text = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    const std::string dir = m_files;
    for (const auto& [from, to] : {std::pair<const char*, const char*>{"hidden{", "other{"}, {"  size{", "  sizes{"}}) {
        SCOPED_TRACE(to);
        std::string changed = text;
        changed.replace(changed.find(from), std::string(from).size(), to);
        writePia(changed, dir + "/h.pmp");
        auto doc = readPmp(dir + "/h.pmp", {});
        ASSERT_TRUE(doc);
        EXPECT_FALSE(doc->hidden);
        ASSERT_TRUE(doc->write(od(dir + "/h2.pmp").c_str()));
        EXPECT_FALSE(readPmp(dir + "/h2.pmp", {})->hidden);
    }
}

TEST_F(PlotModelParamTest, WriteGivesTheTextReadBack)
{
    const std::string dir = m_files;
    writePia(sectiontest::dataFile("plotcfg/laser.pmp.txt"), dir + "/in.pmp");
    const auto doc = readPmp(dir + "/in.pmp", {});
    ASSERT_TRUE(doc);
    EXPECT_FALSE(doc->write(nullptr));
    EXPECT_FALSE(doc->write(od(dir + "/no/such/folder/out.pmp").c_str()));
    EXPECT_EQ(doc->path(), od(dir + "/in.pmp"));
    ASSERT_TRUE(doc->write(od(dir + "/out.pmp").c_str()));
    EXPECT_EQ(doc->path(), od(dir + "/out.pmp"));
    EXPECT_EQ(doc->meta.userDefinedModelPathname, od(dir + "/in.pmp").str()); // writing leaves it

    // Every section written back as read: the original text, with the path the file was found at.
    std::string expected = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    const std::string recorded = "/plotters/PMP/Laser 5.pmp";
    expected.replace(expected.find(recorded), recorded.size(), dir + "/in.pmp");
    std::string written = piatest::payload(testutil::readBytes(dir + "/out.pmp"));
    written.erase(written.find_last_not_of('\0') + 1);
    EXPECT_EQ(written, expected);
}

TEST_F(PlotModelParamTest, CreateTakesTheMetaWithoutDescriptionOrAutospool)
{
    auto meta = std::make_unique<CMetaNode>();
    meta->localizedModelName = L"Laser";
    meta->configDescription = L"desc";
    meta->configAutospool = true;
    meta->defaultSystemCfg = false;
    std::unique_ptr<PlotModelParam> doc(PlotModelParam::create(*meta));
    meta.reset();
    EXPECT_EQ(doc->meta.localizedModelName, L"Laser");
    EXPECT_TRUE(doc->meta.configDescription.empty());
    EXPECT_FALSE(doc->meta.configAutospool);
    EXPECT_EQ(doc->meta.defaultSystemCfg, std::optional<bool>(false));
}

