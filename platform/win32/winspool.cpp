// Printer handles, printer and driver records, enumeration and the default printer.
#include "platform/win32/winspool.h"
#include "platform/win32/RecordPacker.h"
#include "platform/win32/Spooler.h"
#include "platform/win32/errors.h"
#include "platform/win32/wstr.h"

#include <memory>
#include <set>
#include <vector>

namespace {

using win32::spool::backend;
using win32::spool::PrinterEntry;

struct PrinterObject {
    std::wstring name;
    std::vector<BYTE> settings; // the DEVMODEW it was opened with, empty for the defaults
    mutable DWORD job = 0;      // the job open on this handle
};

// Never destroyed, so that a printer closed by a static object at exit is still recognised.
std::set<const PrinterObject*>& liveHandles()
{
    static auto* handles = new std::set<const PrinterObject*>;
    return *handles;
}

const PrinterObject* objectOf(HANDLE h)
{
    const auto& live = liveHandles();
    const auto it = live.find(static_cast<const PrinterObject*>(h));
    return it == live.end() ? nullptr : *it;
}

// The printer behind a handle, with the error of the failure set.
bool entryOfHandle(HANDLE h, PrinterEntry& entry)
{
    const PrinterObject* obj = objectOf(h);
    if (!obj) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    const auto& b = backend();
    if (!b.findPrinter(b.context, obj->name, entry)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME); // removed while the handle was open
        return false;
    }
    return true;
}

DWORD attributesOf(const PrinterEntry& e)
{
    DWORD a = e.network ? PRINTER_ATTRIBUTE_NETWORK : PRINTER_ATTRIBUTE_LOCAL;
    if (e.shared)
        a |= PRINTER_ATTRIBUTE_SHARED;
    return a;
}

LPWSTR optional(win32::RecordPacker& p, const std::wstring& s)
{
    return s.empty() ? nullptr : p.string(win32::toUtf16(s));
}

LPWSTR text(win32::RecordPacker& p, const std::wstring& s) { return p.string(win32::toUtf16(s)); }

struct Record {
    PrinterEntry entry;
    std::vector<BYTE> devMode; // level 2 only
};

// Fills one record of the level into slot (null while measuring).
void fillRecord(DWORD level, void* slot, const Record& r, win32::RecordPacker& p)
{
    const PrinterEntry& e = r.entry;
    if (level == 2) {
        PRINTER_INFO_2W info{};
        info.pServerName = optional(p, e.server);
        info.pPrinterName = text(p, e.name);
        info.pShareName = optional(p, e.share);
        info.pPortName = text(p, e.port);
        info.pDriverName = text(p, e.driver);
        info.pComment = text(p, e.comment);
        info.pLocation = text(p, e.location);
        info.pDevMode = r.devMode.empty() ? nullptr
                                          : static_cast<DEVMODEW*>(p.blob(r.devMode.data(), r.devMode.size()));
        info.pSepFile = text(p, L"");
        info.pPrintProcessor = text(p, L"winprint");
        info.pDatatype = text(p, L"RAW");
        info.pParameters = text(p, L"");
        info.Attributes = attributesOf(e);
        info.Priority = 1;
        if (slot)
            std::memcpy(slot, &info, sizeof info);
    } else if (level == 4) {
        PRINTER_INFO_4W info{};
        info.pPrinterName = text(p, e.name);
        info.pServerName = optional(p, e.server);
        info.Attributes = attributesOf(e);
        if (slot)
            std::memcpy(slot, &info, sizeof info);
    } else {
        PRINTER_INFO_5W info{};
        info.pPrinterName = text(p, e.name);
        info.pPortName = text(p, e.port);
        info.Attributes = attributesOf(e);
        info.DeviceNotSelectedTimeout = 15000;
        info.TransmissionRetryTimeout = 45000;
        if (slot)
            std::memcpy(slot, &info, sizeof info);
    }
}

std::size_t recordSize(DWORD level)
{
    switch (level) {
    case 2:
        return sizeof(PRINTER_INFO_2W);
    case 4:
        return sizeof(PRINTER_INFO_4W);
    case 5:
        return sizeof(PRINTER_INFO_5W);
    default:
        return 0;
    }
}

// Measures, then packs the records into the buffer when it is large enough.
BOOL packRecords(DWORD level, const std::vector<Record>& records, LPBYTE buf, DWORD cbBuf, LPDWORD pcbNeeded)
{
    const std::size_t fixed = recordSize(level) * records.size();
    win32::RecordPacker measure(nullptr, fixed);
    for (const Record& r : records)
        fillRecord(level, nullptr, r, measure);
    *pcbNeeded = static_cast<DWORD>(measure.size());
    if (records.empty())
        return TRUE;
    if (!buf || cbBuf < measure.size()) {
        SetLastError(buf || cbBuf == 0 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    win32::RecordPacker pack(buf, fixed);
    for (std::size_t i = 0; i < records.size(); ++i)
        fillRecord(level, buf + i * recordSize(level), records[i], pack);
    return TRUE;
}

bool loadDevMode(Record& r)
{
    const auto& b = backend();
    return b.defaultDevMode(b.context, r.entry.name, r.devMode);
}

} // namespace

BOOL OpenPrinterW(LPCWSTR pPrinterName, HANDLE* phPrinter, PRINTER_DEFAULTSW* pDefault)
{
    if (!phPrinter) {
        SetLastError(RPC_X_NULL_REF_POINTER);
        return FALSE;
    }
    *phPrinter = nullptr;
    PrinterEntry entry;
    const auto& b = backend();
    if (!pPrinterName || !*pPrinterName || !b.findPrinter(b.context, win32::fromUtf16(pPrinterName), entry)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    auto obj = std::make_unique<PrinterObject>(PrinterObject{entry.name, {}});
    if (pDefault && pDefault->pDevMode && pDefault->pDevMode->dmSize >= offsetof(DEVMODEW, dmFields) + sizeof(DWORD)) {
        const auto* bytes = reinterpret_cast<const BYTE*>(pDefault->pDevMode);
        obj->settings.assign(bytes, bytes + pDefault->pDevMode->dmSize + pDefault->pDevMode->dmDriverExtra);
    }
    liveHandles().insert(obj.get());
    *phPrinter = obj.release();
    return TRUE;
}

BOOL ClosePrinter(HANDLE hPrinter)
{
    const PrinterObject* obj = objectOf(hPrinter);
    if (!obj) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (obj->job) {
        const auto& b = backend();
        b.abortJob(b.context, obj->job);
    }
    liveHandles().erase(obj);
    delete obj;
    return TRUE;
}

DWORD StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo)
{
    const PrinterObject* obj = objectOf(hPrinter);
    const auto* info = reinterpret_cast<const DOC_INFO_1W*>(pDocInfo);
    const std::wstring datatype = info && info->pDatatype ? win32::fromUtf16(info->pDatatype) : L"RAW";
    const DWORD error = !obj                                ? ERROR_INVALID_HANDLE
                        : Level != 1                        ? ERROR_INVALID_LEVEL
                        : !info                             ? ERROR_INVALID_PARAMETER
                        : !win32::equalNoCase(datatype, L"RAW") ? ERROR_INVALID_DATATYPE
                        : obj->job                          ? ERROR_INVALID_PRINTER_STATE
                                                            : ERROR_SUCCESS;
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return 0;
    }
    const auto& b = backend();
    const auto* settings = obj->settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(obj->settings.data());
    obj->job = b.startJob(b.context, obj->name, win32::fromUtf16(info->pDocName), settings);
    if (!obj->job)
        SetLastError(ERROR_INVALID_PRINTER_NAME); // removed while the handle was open
    return obj->job;
}

namespace {

// The handle's open job, with the error of the failure set.
const PrinterObject* withJob(HANDLE h)
{
    const PrinterObject* obj = objectOf(h);
    if (!obj || !obj->job)
        SetLastError(obj ? ERROR_SPL_NO_STARTDOC : ERROR_INVALID_HANDLE);
    return obj && obj->job ? obj : nullptr;
}

// Ends the handle's job one way or the other.
BOOL finishJob(HANDLE h, bool (*finish)(void*, DWORD))
{
    const PrinterObject* obj = withJob(h);
    if (!obj)
        return FALSE;
    const DWORD job = obj->job;
    obj->job = 0;
    if (!finish(backend().context, job)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL StartPagePrinter(HANDLE hPrinter) { return withJob(hPrinter) ? TRUE : FALSE; }
BOOL EndPagePrinter(HANDLE hPrinter) { return withJob(hPrinter) ? TRUE : FALSE; }

BOOL WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten)
{
    if (pcWritten)
        *pcWritten = 0;
    const PrinterObject* obj = withJob(hPrinter);
    if (!obj)
        return FALSE;
    if ((!pBuf && cbBuf) || !pcWritten) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto& b = backend();
    if (!b.writeJob(b.context, obj->job, static_cast<const BYTE*>(pBuf), cbBuf)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    *pcWritten = cbBuf;
    return TRUE;
}

BOOL EndDocPrinter(HANDLE hPrinter) { return finishJob(hPrinter, backend().endJob); }
BOOL AbortPrinter(HANDLE hPrinter) { return finishJob(hPrinter, backend().abortJob); }

BOOL GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded)
{
    if (!pcbNeeded) {
        SetLastError(RPC_X_NULL_REF_POINTER);
        return FALSE;
    }
    Record r;
    if (!entryOfHandle(hPrinter, r.entry))
        return FALSE;
    if (recordSize(Level) == 0) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (Level == 2 && !loadDevMode(r)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    return packRecords(Level, {r}, pPrinter, cbBuf, pcbNeeded);
}

BOOL GetPrinterDriverW(HANDLE hPrinter, LPCWSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf,
                       LPDWORD pcbNeeded)
{
    if (!pcbNeeded) {
        SetLastError(RPC_X_NULL_REF_POINTER);
        return FALSE;
    }
    PrinterEntry entry;
    if (!entryOfHandle(hPrinter, entry))
        return FALSE;
    if (pEnvironment && *pEnvironment && !win32::equalNoCase(win32::fromUtf16(pEnvironment), L"Windows x64")) {
        SetLastError(ERROR_INVALID_ENVIRONMENT);
        return FALSE;
    }
    if (Level != 1) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const std::u16string name = win32::toUtf16(entry.driver);
    win32::RecordPacker measure(nullptr, sizeof(DRIVER_INFO_1W));
    measure.string(name);
    *pcbNeeded = static_cast<DWORD>(measure.size());
    if (!pDriverInfo || cbBuf < measure.size()) {
        SetLastError(pDriverInfo || cbBuf == 0 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    win32::RecordPacker pack(pDriverInfo, sizeof(DRIVER_INFO_1W));
    DRIVER_INFO_1W info{pack.string(name)};
    std::memcpy(pDriverInfo, &info, sizeof info);
    return TRUE;
}

BOOL EnumPrintersW(DWORD Flags, LPWSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf, LPDWORD pcbNeeded,
                   LPDWORD pcReturned)
{
    if (!pcbNeeded || !pcReturned) {
        SetLastError(RPC_X_NULL_REF_POINTER);
        return FALSE;
    }
    *pcReturned = 0;
    if (recordSize(Level) == 0) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (Name && *Name) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    const bool wantLocal = (Flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_NAME)) != 0;
    const bool wantConnections = (Flags & PRINTER_ENUM_CONNECTIONS) != 0;
    std::vector<PrinterEntry> all;
    const auto& b = backend();
    if ((wantLocal || wantConnections) && !b.listPrinters(b.context, all)) {
        SetLastError(win32::spool::selectionProblem().empty() ? ERROR_INVALID_NAME : RPC_S_SERVER_UNAVAILABLE);
        return FALSE;
    }
    std::vector<Record> records;
    for (const PrinterEntry& e : all)
        if (e.network ? wantConnections : wantLocal) {
            records.push_back({e, {}});
            if (Level == 2)
                loadDevMode(records.back());
        }
    if (!packRecords(Level, records, pPrinterEnum, cbBuf, pcbNeeded))
        return FALSE;
    *pcReturned = static_cast<DWORD>(records.size());
    return TRUE;
}

BOOL GetDefaultPrinterW(LPWSTR pszBuffer, LPDWORD pcchBuffer)
{
    if (!pcchBuffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::wstring name;
    const auto& b = backend();
    if (!b.getDefault(b.context, name)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    const std::u16string text = win32::toUtf16(name);
    const DWORD needed = static_cast<DWORD>(text.size() + 1);
    if (!pszBuffer || *pcchBuffer < needed) {
        *pcchBuffer = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(pszBuffer, text.c_str(), needed * sizeof(WCHAR));
    *pcchBuffer = needed;
    return TRUE;
}

BOOL SetDefaultPrinterW(LPCWSTR pszPrinter)
{
    const auto& b = backend();
    if (!pszPrinter || !*pszPrinter) {
        std::wstring current;
        if (b.getDefault(b.context, current))
            return TRUE;
        std::vector<PrinterEntry> all;
        if (b.listPrinters(b.context, all) && !all.empty() && b.setDefault(b.context, all.front().name))
            return TRUE;
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    if (!b.setDefault(b.context, win32::fromUtf16(pszPrinter))) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    return TRUE;
}

namespace win32 {
std::string spoolerProblem() { return spool::selectionProblem(); }

std::string printersProblem()
{
    const auto& b = backend();
    return b.loadProblem ? b.loadProblem(b.context) : std::string();
}

std::size_t openPrinterHandles() { return liveHandles().size(); }

std::wstring printerNameOfHandle(HANDLE hPrinter)
{
    const PrinterObject* obj = objectOf(hPrinter);
    return obj ? obj->name : std::wstring();
}
} // namespace win32
