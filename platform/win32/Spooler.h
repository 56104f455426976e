// The spooler behind the Win32 printing calls: one small table of functions per backend (the
// virtual spooler, a real print system later). The Win32 layer does buffers, handles and error
// codes; a backend answers plain questions about printers and plays their drivers.
#pragma once
#include "platform/win32/devmode.h"

#include <string>
#include <vector>

namespace win32 {
namespace spool {

struct PrinterEntry {
    std::wstring name;
    std::wstring server;  // "\\host" for a connection, empty for a local printer
    std::wstring share;
    std::wstring driver;
    std::wstring port;
    std::wstring comment;
    std::wstring location;
    bool network = false; // a connection to a printer of another machine
    bool shared = false;
};

// The strip along each edge of a sheet that the printer cannot reach, tenths of a millimetre.
struct Margins {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

// One paper of a printer's driver, portrait.
struct Paper {
    WORD id = 0;       // DMPAPER number; above 255 for driver-defined papers
    std::wstring name; // at most 64 characters
    LONG width = 0;    // tenths of a millimetre
    LONG height = 0;
    Margins margins;
};

// An input tray.
struct Bin {
    WORD id = 0;       // as dmDefaultSource takes it (DMBIN_*, 256 and above driver-defined)
    std::wstring name; // at most 24 characters
};

struct Capabilities {
    WORD driverVersion = 0;
    WORD driverExtra = 0; // private bytes after the public DEVMODEW
    DWORD fields = 0;     // the dmFields the driver supports
    bool color = false;
    bool duplex = false;
    bool collate = false;
    int maxCopies = 1;
    std::vector<POINT> resolutions; // dots per inch, x and y
    std::vector<Bin> bins;
    // The range of custom paper sizes (DMPAPER_USER), tenths of a millimetre; zero: none.
    POINT minExtent{0, 0};
    POINT maxExtent{0, 0};
};

// Every function gets the backend's context first. Printer names are compared ignoring case.
// A function returns false when the printer is unknown (or the question cannot be answered).
struct Backend {
    const char* name;
    void* context;
    // "auto" takes the available backend with the highest preference that has printers, else
    // the available one with the highest preference.
    int preference;
    // Whether the backend can serve now (its print server answers), else why not; null: always.
    bool (*available)(void* ctx, std::string& why);
    // All printers, local ones first in the spooler's order, then connections.
    bool (*listPrinters)(void* ctx, std::vector<PrinterEntry>& out);
    bool (*findPrinter)(void* ctx, const std::wstring& name, PrinterEntry& out);
    // False when no default printer is set.
    bool (*getDefault)(void* ctx, std::wstring& name);
    bool (*setDefault)(void* ctx, const std::wstring& name);
    // The driver: size of its DEVMODEW (public part plus private bytes), 0 for an unknown printer.
    int (*devModeSize)(void* ctx, const std::wstring& printer);
    // The driver's current default settings, dmSize + dmDriverExtra bytes.
    bool (*defaultDevMode)(void* ctx, const std::wstring& printer, std::vector<BYTE>& out);
    // The driver merges the given settings into its defaults and corrects what it cannot do.
    bool (*mergeDevMode)(void* ctx, const std::wstring& printer, const DEVMODEW& in, std::vector<BYTE>& out);
    // Paper list and capabilities for the given settings (null: the defaults).
    bool (*papers)(void* ctx, const std::wstring& printer, const DEVMODEW* dm, std::vector<Paper>& out);
    bool (*capabilities)(void* ctx, const std::wstring& printer, const DEVMODEW* dm, Capabilities& out);
    // Whether the driver handles the escape (QUERYESCSUPPORT).
    bool (*supportsEscape)(void* ctx, const std::wstring& printer, int escape);
    // A print job of raw bytes for the printer: started with the document's name and the
    // settings it prints with (null: the driver's defaults), fed, then ended (queued for the
    // printer) or aborted (dropped). startJob gives the job's id, 0 when no job can start.
    DWORD (*startJob)(void* ctx, const std::wstring& printer, const std::wstring& document, const DEVMODEW* dm);
    bool (*writeJob)(void* ctx, DWORD job, const BYTE* data, DWORD size);
    bool (*endJob)(void* ctx, DWORD job);
    bool (*abortJob)(void* ctx, DWORD job);
    // Empty, or why the printers the backend offers could not be loaded (a description file
    // that cannot be read); null: the backend loads nothing.
    std::string (*loadProblem)(void* ctx);
};

// A backend lives in its own source file with a static table and a static object whose
// constructor calls registerBackend(&table); the registry knows backends only this way.

// The active backend, chosen on first use from DAVARAZ_SPOOLER: a registered backend's name, or
// "auto" (also when unset or empty). Any other value leaves a backend that knows no printer
// and answers no question; selectionProblem() then says why.
const Backend& backend();
// Adds a backend (a static object of its own source file registers itself this way).
void registerBackend(const Backend* b);
// Makes the named backend (or "auto") active; false (no change) when none has that name or it
// cannot serve.
bool selectBackend(const char* name);
// Empty, or why no backend was chosen, naming the valid choices.
std::string selectionProblem();
// What DAVARAZ_SPOOLER may name: "auto", then the registered backends, most preferred first.
std::vector<std::string> choices();
// A backend that knows no printer and answers no question, under the given name: the stand-in
// of one this build cannot offer (its available() says why).
Backend refusing(const char* name, int preference, bool (*available)(void* ctx, std::string& why));

// Case-insensitive equality of printer names, as the spooler compares them.
bool sameName(const std::wstring& a, const std::wstring& b);

} // namespace spool
} // namespace win32
