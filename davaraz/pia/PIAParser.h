// Builds an item tree from the lines of a PIA file. The tree belongs to the parser and dies
// with it (its items live in the parser's arena); documents copy what they need in their init.
#pragma once
#include "davaraz/pia/PIAFileIn.h"
#include "davaraz/pia/PItem.h"

#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>

class CPIAParser {
public:
    // Blocks nest a few levels in every real document; a text that opens one more than this
    // breaks the grammar at that line (a hostile file cannot make the parser hold millions).
    static constexpr std::size_t kMaxBlockDepth = 256;

    CPIAParser() = default;
    ~CPIAParser();
    CPIAParser(const CPIAParser&) = delete;
    CPIAParser& operator=(const CPIAParser&) = delete;

    int open(const wchar_t* path) { return m_file.open(path); }
    // A payload text without the container (the tool's pack command).
    int openText(const wchar_t* path) { return m_file.openText(path); }
    // Builds the tree; false when the text breaks the grammar (the tree is then partial).
    bool parse();
    CPBlock* root() const { return m_root.get(); }
    CPIAFileIn& file() { return m_file; }
    // Line of the text where parsing failed; 0 after a successful parse.
    int errorLine() const { return m_errorLine; }

private:
    bool itemLine(std::wstring_view line, std::size_t eq);
    bool openBlock(std::wstring_view line, std::size_t brace);
    void completeBlock();
    bool binaryValue(std::wstring_view part, BinText& value);

    // Declared first, so that it outlives every item made in it.
    std::pmr::monotonic_buffer_resource m_arena;
    std::unique_ptr<CPBlock> m_root;
    CPBlock* m_current = nullptr;
    CPIAFileIn m_file;
    // Blocks being read, innermost last; each joins its parent when its "}" (or the end of the
    // text) arrives. Kept on the heap rather than the call stack so deep nesting cannot overflow.
    std::vector<CPItemPtr> m_open;
    int m_errorLine = 0;
};
