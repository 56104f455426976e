// Whole configuration and model parameter trees, written by hand, read into their sections and
// written back: the same tree, and through the PIA writer the same payload text.
#include "davaraz/pia/PIAFileIn.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/MetaNode.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotcfg/SectionIo.h"
#include "davaraz/plotmodel/PlotModelSections.h"
#include "platform/tvutils/FileName.h"
#include "support/SectionText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

// The payload of a PIA file, without the NUL some writers end it with.
std::string payload(const std::string& path)
{
    CPIAFileIn in;
    if (in.open(ut::fromNativePath(path).c_str()) != 0)
        return std::string();
    std::string text;
    char buf[4096];
    for (std::size_t got; (got = in.readRaw(buf, sizeof buf)) > 0;)
        text.append(buf, got);
    in.close();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

template <class Node>
void roundTrip(const CPBlock& from, CPBlock& to, const wchar_t* key, bool expectRead = true)
{
    Node node;
    std::wstring fault;
    EXPECT_EQ(node.init(sectiontest::child(from, key), &fault), expectRead) << sectiontest::join({ut::toNativePath(key)});
    EXPECT_TRUE(fault.empty());
    EXPECT_TRUE(section::putNode(to, key, node));
}

void expectSameText(const CPBlock& root, const std::string& original)
{
    sectiontest::TempDir dir;
    const std::string path = dir.path() + "/out.pc3";
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    ASSERT_TRUE(out.write(&root, ut::fromNativePath(path).c_str()));
    EXPECT_EQ(payload(path), original);
}

} // namespace

TEST(WholeFile, ConfigurationTreeReadsAndWritesBackUnchanged)
{
    const std::string text = sectiontest::dataFile("plotcfg/laser.pc3.txt");
    const auto tree = sectiontest::parseText(text);
    ASSERT_TRUE(tree);
    const CPBlock& in = *tree->root();
    CPBlock out(L"");
    roundTrip<CMetaNode>(in, out, L"meta");
    roundTrip<CMediaNode>(in, out, L"media");
    roundTrip<CIoNode>(in, out, L"io");
    roundTrip<CResColorMemNode>(in, out, L"res_color_mem");
    roundTrip<CCustomNode>(in, out, L"custom");
    EXPECT_EQ(sectiontest::join(sectiontest::flatten(out)), sectiontest::join(sectiontest::flatten(in)));
    expectSameText(out, text);

    // The parts the text exercises really arrived in the sections.
    CMediaNode media;
    ASSERT_TRUE(media.init(sectiontest::child(in, L"media")));
    ASSERT_TRUE(media.destination && media.customPapers);
    EXPECT_EQ(media.destination->collatingName, L"Regular");
    ASSERT_EQ(media.customPapers->size(), 2u);
    EXPECT_EQ((*media.customPapers)[0].width, 8.5);
    CMetaNode meta;
    ASSERT_TRUE(meta.init(sectiontest::child(in, L"meta")));
    EXPECT_EQ(meta.defaultSystemCfg, std::optional<bool>(false));
    EXPECT_EQ(meta.configAutospool, std::optional<bool>(true));
    CCustomNode custom;
    ASSERT_TRUE(custom.init(sectiontest::child(in, L"custom")));
    std::wstring hex;
    EXPECT_TRUE(custom.getBin(hex, L"RawPrivateDeviceData"));
    EXPECT_EQ(hex, L"0A1BFF00");
}

TEST(WholeFile, ModelParameterTreeReadsAndWritesBackUnchanged)
{
    const std::string text = sectiontest::dataFile("plotcfg/laser.pmp.txt");
    const auto tree = sectiontest::parseText(text);
    ASSERT_TRUE(tree);
    const CPBlock& in = *tree->root();
    CPBlock out(L"");
    roundTrip<CMetaNode>(in, out, L"meta");
    roundTrip<ModNode>(in, out, L"mod");
    roundTrip<UdmNode>(in, out, L"udm");
    roundTrip<HiddenNode>(in, out, L"hidden");
    EXPECT_EQ(sectiontest::join(sectiontest::flatten(out)), sectiontest::join(sectiontest::flatten(in)));
    expectSameText(out, text);

    HiddenNode hidden;
    ASSERT_TRUE(hidden.init(sectiontest::child(in, L"hidden")));
    ASSERT_EQ(hidden.media.size.size(), 3u);
    EXPECT_EQ(hidden.media.size[2].name, L"Tabloid");
    EXPECT_TRUE(hidden.media.size[2].landscapeMode);
}
