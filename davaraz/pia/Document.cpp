// The document road: reading a file into a tree for a document, writing a document's tree.
#include "davaraz/pia/Document.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"

namespace pia {

std::wstring ReadResult::description() const
{
    switch (status) {
    case ReadStatus::ok:
        return L"read";
    case ReadStatus::noPath:
        return L"no file name";
    case ReadStatus::container:
        return L"cannot open the file or decompress its payload";
    case ReadStatus::grammar:
        return L"the payload does not parse (line " + std::to_wstring(line) + L")";
    case ReadStatus::content:
        break;
    }
    return why.empty() ? L"missing or malformed required key \"" + key + L"\"" : why;
}

void ReadResult::refuse(const std::wstring& faultKey, const std::wstring& reason)
{
    if (status == ReadStatus::content)
        return; // the first fault is the one reported
    status = ReadStatus::content;
    key = faultKey;
    why = reason;
}

ReadResult readDocument(const wchar_t* path, const std::function<bool(CPIAParser&, ReadResult&)>& interpret)
{
    ReadResult result;
    if (!path || !*path) {
        result.status = ReadStatus::noPath;
        return result;
    }
    CPIAParser parser;
    result.code = parser.open(path);
    if (result.code != kOk) {
        result.status = ReadStatus::container;
        return result;
    }
    const bool parsed = parser.parse();
    parser.file().close(); // deletes the temporary text file
    if (!parsed) {
        result.status = ReadStatus::grammar;
        result.line = parser.errorLine();
        return result;
    }
    if (!interpret(parser, result))
        result.refuse(std::wstring());
    return result;
}

bool writeDocument(const CPBlock& root, int kind, const wchar_t* path)
{
    if (!path)
        return false;
    CPIAFileOut out;
    out.setKind(kind);
    return out.write(&root, path);
}

} // namespace pia
