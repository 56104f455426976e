// One raw job through the spooler: open with the settings, start, feed, end.
#include "davaraz/print/PrintJob.h"
#include "platform/win32/errors.h"
#include "platform/win32/winspool.h"
#include "platform/win32/wstr.h"

#include <algorithm>

namespace wut {
namespace {

JobResult failed(const char* where)
{
    JobResult r;
    r.error = GetLastError();
    r.where = where;
    return r;
}

} // namespace

JobResult sendToPrinter(const std::wstring& printer, const DEVMODEW* settings, const std::wstring& document,
                        const std::string& bytes)
{
    const std::u16string name = win32::toUtf16(printer);
    PRINTER_DEFAULTSW defaults{nullptr, const_cast<DEVMODEW*>(settings), 0};
    HANDLE h = nullptr;
    if (!OpenPrinterW(name.c_str(), &h, &defaults))
        return failed("OpenPrinter");
    std::u16string title = win32::toUtf16(document);
    DOC_INFO_1W doc{&title[0], nullptr, nullptr};
    const DWORD job = StartDocPrinterW(h, 1, reinterpret_cast<LPBYTE>(&doc));
    JobResult r = job ? JobResult() : failed("StartDocPrinter");
    // WritePrinter takes a DWORD count: large output goes in pieces.
    constexpr std::size_t kPiece = std::size_t(1) << 20;
    for (std::size_t at = 0; job && r.where.empty() && at < bytes.size(); at += kPiece) {
        DWORD written = 0;
        const DWORD n = static_cast<DWORD>(std::min(kPiece, bytes.size() - at));
        if (!WritePrinter(h, const_cast<char*>(bytes.data() + at), n, &written) || written != n)
            r = failed("WritePrinter");
    }
    if (job && r.where.empty() && !EndDocPrinter(h))
        r = failed("EndDocPrinter");
    if (job && r.where.empty())
        r.job = job;
    else if (job)
        AbortPrinter(h);
    ClosePrinter(h);
    return r;
}

} // namespace wut
