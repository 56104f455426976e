// The virtual spooler: printers and drivers that live in this process, loaded from the
// DAVARAZ_PRINTERS description file or an embedded default set. Besides the backend table it
// offers a small API for tests: count driver queries and change printers while running.
#pragma once
#include "platform/win32/Spooler.h"

#include <functional>
#include <string>
#include <vector>

namespace vspool {

using Paper = win32::spool::Paper;
using Bin = win32::spool::Bin;

// The driver's default value of every DEVMODEW member the library reads.
struct Defaults {
    short orientation = DMORIENT_PORTRAIT;
    short paper = DMPAPER_A4;
    short scale = 100;
    short copies = 1;
    short defaultSource = DMBIN_AUTO;
    short printQuality = 600;
    short color = DMCOLOR_COLOR;
    short duplex = DMDUP_SIMPLEX;
    short yResolution = 600;
    short ttOption = DMTT_DOWNLOAD;
    short collate = DMCOLLATE_TRUE;
    WORD logPixels = 0;
    DWORD nup = 1;
    DWORD icmMethod = 1;
    DWORD icmIntent = 0;
    DWORD mediaType = 0;
    DWORD ditherType = 0;
};

// A printer: what every backend says of one (name, driver, port, comment, location, server,
// network, shared; the share name is the printer's own when shared), then its driver.
struct Printer : win32::spool::PrinterEntry {
    bool postscript = false;
    WORD driverVersion = 0x0100;
    // capabilities
    bool color = true;
    bool duplex = false;
    short maxCopies = 99;
    std::vector<POINT> resolutions{{600, 600}};
    std::vector<Paper> papers;
    std::vector<Bin> bins; // none: the driver has one tray and does not name it
    // Custom sizes (DMPAPER_USER) from customMin to customMax, tenths of a millimetre; zero: none.
    POINT customMin{0, 0};
    POINT customMax{0, 0};
    Defaults defaults;
    // dmSize of the driver's DEVMODEW: an older driver knows fewer members than the 220 bytes.
    WORD publicBytes = sizeof(DEVMODEW);
    // Private driver bytes: 0, or at least kPrivateHeader (version and checksum, then payload).
    WORD privateBytes = 0;
    WORD privateVersion = 1;
    // The payload of the driver's default private bytes; empty: a pattern of the driver's own.
    std::vector<BYTE> privatePayload;
};

// Header of the private bytes: WORD version, WORD checksum of the payload that follows.
constexpr WORD kPrivateHeader = 4;

// What the drivers were asked since the last resetCounts().
struct QueryCounts {
    unsigned documentProperties = 0; // size queries, defaults and merges
    unsigned deviceCapabilities = 0; // paper lists and capabilities
    unsigned printerInfo = 0;        // enumerations, printer and driver records
    unsigned total() const { return documentProperties + deviceCapabilities + printerInfo; }
};

// The backend table of the virtual spooler.
const win32::spool::Backend& backend();

// Loads the printers again: DAVARAZ_PRINTERS when set, else the embedded set. Counts are kept.
void reset();
// Replaces the printers by those of a description file (JSON): a regular file of at most
// kMaxDescriptionBytes. On failure there are no printers and lastMessage() says which file and
// what is wrong (the backend's loadProblem).
bool loadFile(const std::string& path);
constexpr unsigned long long kMaxDescriptionBytes = 16 << 20;
// The same for description text; origin names it in messages.
bool loadText(const std::string& text, const std::string& origin);
// The embedded description text (four local printers and one connection).
const char* embeddedDescription();
// The last load problem, empty after a successful load.
const std::string& lastMessage();

std::vector<Printer> printers();
// Replaces all printers; defaultName may be empty (no default printer).
void setPrinters(std::vector<Printer> printers, const std::wstring& defaultName);
void addPrinter(const Printer& printer);
bool removePrinter(const std::wstring& name);
// Edits a printer in place (driver, papers, defaults, ...); false for an unknown name.
bool changePrinter(const std::wstring& name, const std::function<void(Printer&)>& edit);
std::wstring defaultPrinter();

QueryCounts counts();
void resetCounts();

// A job the virtual printers took: what a real printer would have received.
struct Job {
    enum class State { Open, Queued, Aborted };
    DWORD id = 0;
    std::wstring printer;
    std::wstring document;
    std::vector<BYTE> settings; // the DEVMODEW it prints with; empty: the driver's defaults
    std::string data;
    State state = State::Open;
    std::string file; // where a queued job's bytes went
};
// Every job since the process started, oldest first. A queued job's bytes go where its
// printer's port says: a port that is a path names the file; the jobs of any other port go to
// the printer's folder in spoolFolder(), as "<UTC time>-<process>-<job>.prn".
std::vector<Job> jobs();
// DAVARAZ_SPOOL_DIR, else $XDG_STATE_HOME/davaraz/spool, else ~/.local/state/davaraz/spool.
std::string spoolFolder();

// The private bytes the driver writes for a printer (valid version and checksum).
std::vector<BYTE> privateData(const Printer& printer);
// Writes the header of private bytes (privateBytes long, payload already in place): the
// printer's version and the payload's checksum.
void sealPrivate(const Printer& printer, BYTE* bytes);

} // namespace vspool
