// ut::FileName, temporary names and separators.
#include "platform/tvutils/FileName.h"

#include "TestUtil.h"

#include <gtest/gtest.h>
#include <set>

TEST(FileName, PartsOfAPath)
{
    const ut::FileName f(L"/plot/styles/Mono Pens.CTB");
    EXPECT_EQ(f.getFullName(), L"Mono Pens.CTB");
    EXPECT_EQ(f.getName(), L"Mono Pens");
    EXPECT_EQ(f.getExt(), L"CTB");
    EXPECT_TRUE(f.hasExt(L"ctb"));
    EXPECT_FALSE(f.hasExt(L"stb"));
    EXPECT_EQ(f.getPath(), L"/plot/styles");
    EXPECT_EQ(f.getPath(ut::kPathWithSeparator), L"/plot/styles/");
    ut::FileName moved(f);
    moved.setPath(L"/other");
    EXPECT_EQ(moved.getFullPath(), L"/other/Mono Pens.CTB");
    EXPECT_EQ(ut::FileName(L"relative.pc3").getFullPath().left(1), L"/");
}

TEST(FileName, TemporaryNamesAreFreshFilesInTmpdir)
{
    testutil::TempDir dir;
    std::set<std::wstring> names;
    for (int i = 0; i < 20; ++i) {
        const OdString name = ut::FileName::createTempFileName(L"pia");
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(ut::FileName(name).exists());
        EXPECT_EQ(ut::FileName(name).getFullName().left(3), L"pia");
        EXPECT_EQ(ut::FileName(name).getPath(), ut::fromNativePath(dir.tmp().string()));
        names.insert(name.str());
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(dir.tempCount(), 20u);
    for (const auto& n : names)
        EXPECT_TRUE(ut::removeFile(OdString(n)));
    EXPECT_EQ(dir.tempCount(), 0u);
    EXPECT_FALSE(ut::removeFile(OdString(*names.begin())));
    EXPECT_FALSE(ut::removeFile(OdString()));
}

TEST(FileName, NoTemporaryFolderGivesAnEmptyName)
{
    testutil::TempDir dir;
    setenv("TMPDIR", dir.path("missing").c_str(), 1);
    EXPECT_TRUE(ut::FileName::createTempFileName(L"pia").isEmpty());
}

TEST(FileName, SlashesAndNonAsciiPaths)
{
    EXPECT_EQ(ut::correctSlashes(L"C:\\plot\\a.pc3"), L"C:/plot/a.pc3");
    testutil::TempDir dir;
    const OdString p = ut::fromNativePath(dir.path("Stra\xC3\x9F" "e.pc3").string());
    EXPECT_EQ(p.right(10), L"Stra\u00DFe.pc3");
    testutil::writeBytes(ut::toNativePath(p), "x");
    EXPECT_TRUE(ut::FileName(p).exists());
}

// Guards names the file system holds that are not UTF-8 ("caf\xe9.ctb" could not be opened):
// every byte string comes back as itself, and UTF-8 still reads as characters.
TEST(FileName, EveryByteStringRoundTrips)
{
    const struct {
        std::string bytes;
        std::wstring wide; // empty: not checked
    } cases[] = {
        {"caf\xe9.ctb", L""},
        {"n\xff.ctb", L""},
        {"\xc3\x28", L""},              // a lead byte without its continuation
        {"\xc0\xaf", L""},              // an overlong '/'
        {"\xed\xa0\x80", L""},          // an encoded surrogate
        {"\xf4\x90\x80\x80", L""},      // past U+10FFFF
        {"\xe2\x82", L""},              // cut short at the end
        {"Stra\xc3\x9f" "e", L"Stra\u00dfe"},
        {"\xe6\x97\xa5\xf0\x9f\x96\xa8", L"\u65e5\U0001F5A8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const OdString wide = ut::fromNativePath(c.bytes);
        EXPECT_EQ(ut::toNativePath(wide), c.bytes);
        if (!c.wide.empty()) {
            EXPECT_EQ(wide.str(), c.wide);
        }
    }
    testutil::TempDir dir;
    const std::string name = (dir.path("n\xff.ctb")).string();
    testutil::writeBytes(name, "x");
    EXPECT_TRUE(ut::FileName(ut::fromNativePath(name)).exists(8191));
}
