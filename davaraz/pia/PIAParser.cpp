// The payload grammar: item lines (key=value), block lines (key{ ... }), and their failures.
#include "davaraz/pia/PIAParser.h"
#include "platform/tvutils/StringUtils.h"

namespace {

constexpr std::size_t kReserveAfter = 1 << 20;

// The key before a sign: leading spaces skipped, then up to the first space; only spaces may
// follow it. A tab is not a space here and stays part of the key.
bool parseKey(std::wstring_view line, std::size_t sign, std::wstring_view& key)
{
    std::size_t b = 0;
    while (b < sign && line[b] == L' ')
        ++b;
    std::size_t e = b;
    while (e < sign && line[e] != L' ')
        ++e;
    for (std::size_t k = e; k < sign; ++k)
        if (line[k] != L' ')
            return false;
    if (e == b)
        return false;
    key = line.substr(b, e - b);
    return true;
}

// Numbers, the usual values, never start like TRUE or FALSE: they skip the case-blind test.
bool maybeBool(wchar_t first) { return first > L'9'; }

} // namespace

// A binary value from `part` on, over as many lines as it takes to reach a backslash; false
// when the text ends first. Continuation lines of plain ASCII are taken as bytes.
bool CPIAParser::binaryValue(std::wstring_view part, BinText& value)
{
    for (;;) {
        const std::size_t end = part.find(L'\\');
        if (end != std::wstring_view::npos) {
            value.append(part.substr(0, end));
            return true;
        }
        value.append(part);
        for (;;) {
            // A large value would otherwise be copied at every doubling; what is left of the
            // text bounds what it can still grow by.
            if (value.size() >= kReserveAfter && value.capacity() < value.size() + kReserveAfter)
                value.reserve(value.size() + static_cast<std::size_t>(m_file.bytesLeft()));
            std::string_view ascii;
            const wchar_t* wide = nullptr;
            if (!m_file.readLine(ascii, wide))
                return false; // the text ended inside the value
            if (wide) {
                part = wide;
                break;
            }
            const std::size_t stop = ascii.find('\\');
            value.appendBytes(ascii.substr(0, stop));
            if (stop != std::string_view::npos)
                return true;
        }
    }
}

CPIAParser::~CPIAParser()
{
    m_current = nullptr;
    m_open.clear();
    m_root.reset();
    m_file.close();
}

void CPIAParser::completeBlock()
{
    CPItemPtr done = std::move(m_open.back());
    m_open.pop_back();
    CPBlock* parent = m_open.empty() ? m_root.get() : static_cast<CPBlock*>(m_open.back().get());
    // The name was checked against the parent's blocks when the block opened, and nothing else
    // can reach the parent while its child is open, so this add cannot be refused.
    parent->add(done.release());
    m_current = parent;
}

bool CPIAParser::itemLine(std::wstring_view line, std::size_t eq)
{
    if (eq + 1 >= line.size())
        return false;
    std::wstring_view key;
    if (!parseKey(line, eq, key))
        return false;
    // The line is the reader's NUL-terminated buffer, so the rest is a C string too.
    const std::wstring_view rest = line.substr(eq + 1);
    CPItemPtr item;
    if (rest[0] == L'"') {
        item.reset(makePooled<CPStr>(m_arena, key, rest.substr(1)));
    } else if (rest[0] == L'\\') {
        // The key is copied first: reading a value over several lines reuses the line buffer.
        const std::pmr::wstring name(key, &m_arena);
        BinText value;
        if (!binaryValue(rest.substr(1), value))
            return false;
        item.reset(makePooled<CPBin>(m_arena, name, std::move(value)));
    } else if (maybeBool(rest[0]) && ut::compareNamesLowercase(rest.data(), L"true", 0) == 0) {
        item.reset(makePooled<CPBool>(m_arena, key, true));
    } else if (maybeBool(rest[0]) && ut::compareNamesLowercase(rest.data(), L"false", 0) == 0) {
        item.reset(makePooled<CPBool>(m_arena, key, false));
    } else {
        item.reset(makePooled<CPNum>(m_arena, key, rest, CPNum::AsText()));
    }
    if (!m_current->add(item.get()))
        return false; // same key and kind already present; the item dies here
    item.release();
    return true;
}

bool CPIAParser::openBlock(std::wstring_view line, std::size_t brace)
{
    std::wstring_view key;
    if (!parseKey(line, brace, key))
        return false;
    if (m_current->find(key, PI_BLOCK))
        return false; // blocks of the same name do not merge
    if (m_open.size() >= kMaxBlockDepth)
        return false;
    m_open.emplace_back(makePooled<CPBlock>(m_arena, key));
    m_current = static_cast<CPBlock*>(m_open.back().get());
    return true;
}

bool CPIAParser::parse()
{
    m_open.clear();
    m_root.reset();
    m_arena.release();
    m_root = std::make_unique<CPBlock>(L"", &m_arena);
    m_current = m_root.get();
    m_errorLine = 0;
    for (;;) {
        const wchar_t* raw = m_file.readLine();
        if (!raw)
            break;
        const std::wstring_view line(raw, m_file.lineSize());
        if (line.empty())
            continue;
        // What comes first, an "=" or a "}", decides most lines in one pass.
        std::size_t stop = 0;
        while (stop < line.size() && line[stop] != L'=' && line[stop] != L'}')
            ++stop;
        bool ok;
        if (stop < line.size() && line[stop] == L'=') {
            ok = itemLine(line, stop);
        } else {
            const std::size_t eq = stop < line.size() ? line.find(L'=', stop) : std::wstring_view::npos;
            if (stop < line.size() && !m_open.empty()) {
                // A "}" closes the block, unless an "=" follows it on the line.
                if (eq == std::wstring_view::npos) {
                    completeBlock();
                    continue;
                }
                ok = false;
            } else if (eq != std::wstring_view::npos) {
                ok = itemLine(line, eq);
            } else {
                const std::size_t brace = line.find(L'{');
                ok = brace != std::wstring_view::npos && openBlock(line, brace);
            }
        }
        if (!ok) {
            m_errorLine = m_file.lineNumber();
            // Blocks still open are dropped with what they gathered; the enclosing tree stays.
            m_open.clear();
            m_current = m_root.get();
            return false;
        }
    }
    // A missing "}" at the end of the text is accepted: every open block is completed.
    while (!m_open.empty())
        completeBlock();
    return true;
}
