// Test helpers for sections: payload text to trees and trees to comparable lines.
#include "SectionText.h"
#include "platform/tvutils/FileName.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sectiontest {

std::unique_ptr<CPIAParser> parseText(const std::string& text)
{
    std::string name = (fs::temp_directory_path() / "sectiontextXXXXXX").string();
    const int fd = mkstemp(&name[0]);
    if (fd < 0)
        return nullptr;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    auto parser = std::make_unique<CPIAParser>();
    const bool ok = written && parser->openText(ut::fromNativePath(name).c_str()) == 0 && parser->parse();
    parser->file().close();
    ::unlink(name.c_str());
    return ok ? std::move(parser) : nullptr;
}

std::string dataFile(const std::string& relative)
{
    std::ifstream in(std::string(DAVARAZ_TEST_DATA) + "/" + relative, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing test data " + relative);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const CPBlock& child(const CPBlock& parent, const wchar_t* key)
{
    const CPItem* item = parent.find(key, PI_BLOCK);
    if (!item)
        throw std::runtime_error("test text lacks a block");
    return static_cast<const CPBlock&>(*item);
}

namespace {

void flattenInto(const CPBlock& block, const std::string& prefix, Lines& out)
{
    for (int i = 0; i < block.count(); ++i) {
        const CPItem* item = block.item(i);
        const std::string key = prefix + ut::toNativePath(OdString(item->name().c_str()));
        switch (item->kind()) {
        case PI_BLOCK:
            out.push_back(key + "{");
            flattenInto(static_cast<const CPBlock&>(*item), key + "/", out);
            break;
        case PI_BOOL:
            out.push_back(key + (static_cast<const CPBool*>(item)->value() ? "=TRUE" : "=FALSE"));
            break;
        case PI_STR:
            out.push_back(key + "=\"" + ut::toNativePath(OdString(static_cast<const CPStr*>(item)->text().c_str())));
            break;
        case PI_NUM:
            out.push_back(key + "=" + ut::toNativePath(OdString(static_cast<const CPNum*>(item)->text().c_str())));
            break;
        case PI_BIN:
            out.push_back(key + "=\\" + ut::toNativePath(OdString(static_cast<const CPBin*>(item)->text())) + "\\");
            break;
        }
    }
}

} // namespace

Lines flatten(const CPBlock& block)
{
    Lines out;
    flattenInto(block, "", out);
    return out;
}

std::string join(const Lines& lines)
{
    std::string s;
    for (const auto& l : lines)
        s += l + "\n";
    return s;
}

} // namespace sectiontest
