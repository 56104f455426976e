// The document road: reading a file into a tree for a document, writing a document's tree.
#include "davaraz/pia/Document.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "platform/tvutils/FileName.h"

#include <cstring>

namespace pia {

std::wstring ReadResult::description() const
{
    switch (status) {
    case ReadStatus::ok:
        return L"read";
    case ReadStatus::noPath:
        return L"no file name";
    case ReadStatus::container:
        if (!why.empty())
            return L"cannot read the file: " + why;
        if (code == kFileError) {
            const std::string temp = ut::FileName::tempFolderProblem();
            return temp.empty() ? L"cannot open the file or decompress its payload"
                                : L"cannot read the file: " + ut::fromNativePath(temp).str();
        }
        return L"cannot decompress the payload: " + ut::fromNativePath(ZlibEngine::errorText(code)).str();
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
        if (result.code == ZlibEngine::ZE_OPEN_INPUT)
            result.why = ut::fromNativePath(parser.file().inputProblem()).str();
        return result;
    }
    const bool parsed = parser.parse();
    const int fault = parser.file().fault();
    parser.file().close();
    if (fault != kOk) { // the file changed while it was read: what was parsed is not it
        result.status = ReadStatus::container;
        result.code = fault;
        return result;
    }
    if (!parsed) {
        result.status = ReadStatus::grammar;
        result.line = parser.errorLine();
        return result;
    }
    if (!interpret(parser, result))
        result.refuse(std::wstring());
    return result;
}

std::wstring WriteResult::description() const
{
    switch (status) {
    case WriteStatus::ok:
        if (!utf8)
            return L"written";
        return misread ? L"written as UTF-8: in the ANSI code page its bytes would read back as other text"
                       : L"written as UTF-8: the ANSI code page lacks some of its characters";
    case WriteStatus::noPath:
        return L"no file name";
    case WriteStatus::content:
        return L"the document holds a value it cannot write; nothing written";
    case WriteStatus::lineTooLong:
        return L"a line is longer than 511 bytes and could not be read back; nothing written";
    case WriteStatus::unrepresentable:
        return L"a key holds a blank, '=' or '{', or a value a line end or NUL, or binary text a backslash, "
               L"which the file cannot carry; nothing written";
    case WriteStatus::lossy:
        return L"the ANSI code page lacks some of its characters; nothing written";
    case WriteStatus::target:
        return L"cannot write the file: " + ut::fromNativePath(std::strerror(error)).str(); // locale's bytes
    case WriteStatus::failed:
        break;
    }
    const std::string temp = ut::FileName::tempFolderProblem();
    return temp.empty() ? L"cannot write the file (temporary files or compression failed)"
                        : L"cannot write the file: " + ut::fromNativePath(temp).str() + L"; nothing written";
}

WriteResult WriteResult::of(const CPIAFileOut& writer, bool written)
{
    WriteResult r;
    r.utf8 = written && writer.wroteUtf8();
    r.misread = r.utf8 && writer.ansiMisread();
    if (written)
        return r;
    if (writer.lineTooLong())
        r.status = WriteStatus::lineTooLong;
    else if (writer.unrepresentable())
        r.status = WriteStatus::unrepresentable;
    else if (writer.lossy())
        r.status = WriteStatus::lossy;
    else if ((r.error = writer.targetError()) != 0)
        r.status = WriteStatus::target;
    else
        r.status = WriteStatus::failed;
    return r;
}

bool writeDocument(const CPBlock& root, int kind, const wchar_t* path, WriteResult* result)
{
    WriteResult local;
    WriteResult& r = result ? *result : local;
    r = WriteResult();
    if (!path || !*path) {
        r.status = WriteStatus::noPath;
        return false;
    }
    CPIAFileOut out;
    out.setKind(kind);
    const bool written = out.write(&root, path);
    r = WriteResult::of(out, written);
    return written;
}

} // namespace pia
