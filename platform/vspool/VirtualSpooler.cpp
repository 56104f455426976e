// State of the virtual spooler, its backend table and the test API.
#include "platform/vspool/VirtualSpooler.h"
#include "platform/vspool/VirtualDriver.h"
#include "platform/tvutils/SafeWrite.h"
#include "platform/win32/codepage.h"

#include "platform/win32/wstr.h"

#include <cstdlib>
#include <unordered_map>
#include <ctime>
#include <filesystem>
#include <unistd.h>

namespace vspool {
namespace {

using win32::spool::sameName;

struct State {
    bool loaded = false;
    std::vector<Printer> printers;
    // Position of each printer by its folded name; rebuilt after a change to the list.
    std::unordered_map<std::wstring, std::size_t> index;
    bool indexed = false;
    std::wstring defaultName;
    QueryCounts counts;
};

// Never destroyed: static objects may still ask the spooler while the process ends.
State& rawState()
{
    static State* s = new State;
    return *s;
}

// Loads on first use, so that a process without printing never reads the description file.
State& state()
{
    State& s = rawState();
    if (!s.loaded)
        reset();
    return s;
}

Printer* find(const std::wstring& name)
{
    State& s = state();
    if (!s.indexed) {
        s.index.clear();
        for (std::size_t i = 0; i < s.printers.size(); ++i)
            s.index.emplace(win32::foldCase(s.printers[i].name), i);
        s.indexed = true;
    }
    const auto it = s.index.find(win32::foldCase(name));
    return it == s.index.end() ? nullptr : &s.printers[it->second];
}

win32::spool::PrinterEntry entryOf(const Printer& p)
{
    win32::spool::PrinterEntry e = p;
    e.share = p.shared ? p.name : std::wstring();
    return e;
}

bool listPrinters(void*, std::vector<win32::spool::PrinterEntry>& out)
{
    ++state().counts.printerInfo;
    out.clear();
    for (int pass = 0; pass < 2; ++pass)
        for (const Printer& p : state().printers)
            if (p.network == (pass == 1))
                out.push_back(entryOf(p));
    return true;
}

bool findPrinter(void*, const std::wstring& name, win32::spool::PrinterEntry& out)
{
    ++state().counts.printerInfo;
    const Printer* p = find(name);
    if (p)
        out = entryOf(*p);
    return p != nullptr;
}

bool getDefault(void*, std::wstring& name)
{
    name = state().defaultName;
    return !name.empty();
}

bool setDefault(void*, const std::wstring& name)
{
    const Printer* p = find(name);
    if (p)
        state().defaultName = p->name;
    return p != nullptr;
}

int devModeSize(void*, const std::wstring& printer)
{
    ++state().counts.documentProperties;
    const Printer* p = find(printer);
    return p ? p->publicBytes + p->privateBytes : 0;
}

bool defaultDevMode(void*, const std::wstring& printer, std::vector<BYTE>& out)
{
    ++state().counts.documentProperties;
    const Printer* p = find(printer);
    if (p)
        out = driver::defaultDevMode(*p);
    return p != nullptr;
}

bool mergeDevMode(void*, const std::wstring& printer, const DEVMODEW& in, std::vector<BYTE>& out)
{
    ++state().counts.documentProperties;
    const Printer* p = find(printer);
    if (p)
        out = driver::merge(*p, in);
    return p != nullptr;
}

bool papers(void*, const std::wstring& printer, const DEVMODEW*, std::vector<win32::spool::Paper>& out)
{
    ++state().counts.deviceCapabilities;
    const Printer* p = find(printer);
    if (!p)
        return false;
    out = p->papers;
    return true;
}

bool capabilities(void*, const std::wstring& printer, const DEVMODEW*, win32::spool::Capabilities& out)
{
    ++state().counts.deviceCapabilities;
    const Printer* p = find(printer);
    if (p)
        out = driver::capabilities(*p);
    return p != nullptr;
}

bool supportsEscape(void*, const std::wstring& printer, int escape)
{
    ++state().counts.deviceCapabilities;
    const Printer* p = find(printer);
    return p && driver::supportsEscape(*p, escape);
}

std::vector<Job>& jobList()
{
    static auto* list = new std::vector<Job>; // jobs may end from static objects at exit
    return *list;
}

Job* openJob(DWORD id)
{
    for (Job& job : jobList())
        if (job.id == id && job.state == Job::State::Open)
            return &job;
    return nullptr;
}

DWORD startJob(void*, const std::wstring& printer, const std::wstring& document, const DEVMODEW* dm)
{
    const Printer* p = find(printer);
    if (!p)
        return 0;
    Job job;
    job.id = static_cast<DWORD>(jobList().size() + 1);
    job.printer = p->name;
    job.document = document;
    if (dm) {
        const auto* bytes = reinterpret_cast<const BYTE*>(dm);
        job.settings.assign(bytes, bytes + dm->dmSize + dm->dmDriverExtra);
    }
    jobList().push_back(std::move(job));
    return jobList().back().id;
}

bool writeJob(void*, DWORD id, const BYTE* data, DWORD size)
{
    Job* job = openJob(id);
    if (job)
        job->data.append(reinterpret_cast<const char*>(data), size);
    return job != nullptr;
}

bool finishJob(DWORD id, Job::State state)
{
    Job* job = openJob(id);
    if (job)
        job->state = state;
    return job != nullptr;
}

// The file a queued job goes to (see jobs()).
std::string destinationOf(const Job& job)
{
    const Printer* p = find(job.printer);
    const std::string port = p ? win32::toUtf8(p->port) : std::string();
    if (!port.empty() && port[0] == '/')
        return port;
    std::string folder = win32::toUtf8(job.printer);
    for (char& c : folder)
        if (c == '/' || c == '\\')
            c = '_';
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    return spoolFolder() + "/" + folder + "/" + stamp + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(job.id) + ".prn";
}

// Queues the job and hands its bytes to the printer's port, whole or not at all.
bool endJob(void*, DWORD id)
{
    Job* job = openJob(id);
    if (!job)
        return false;
    const std::string file = destinationOf(*job);
    const Printer* p = find(job->printer);
    std::error_code ec;
    if (p && file != win32::toUtf8(p->port)) // a port names a place that exists
        std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    const bool delivered = ut::replaceFile(file, {job->data}) == 0;
    job->state = delivered ? Job::State::Queued : Job::State::Aborted;
    if (delivered)
        job->file = file;
    return delivered;
}

bool abortJob(void*, DWORD id) { return finishJob(id, Job::State::Aborted); }

std::string loadProblem(void*)
{
    state();
    return lastMessage();
}

// Always available, and preferred least: "auto" takes it when no print server has printers.
const win32::spool::Backend kBackend = {
    "virtual",    nullptr,      0,           nullptr,        listPrinters, findPrinter,  getDefault,
    setDefault,   devModeSize,  defaultDevMode, mergeDevMode, papers,       capabilities, supportsEscape,
    startJob,     writeJob,     endJob,      abortJob,       loadProblem,
};

const struct Registration {
    Registration() { win32::spool::registerBackend(&kBackend); }
} g_registration;

} // namespace

const win32::spool::Backend& backend() { return kBackend; }

void reset()
{
    State& s = rawState();
    s.loaded = true;
    const char* path = std::getenv("DAVARAZ_PRINTERS");
    if (path && *path)
        loadFile(path);
    else
        loadText(embeddedDescription(), "embedded printer set");
}

std::vector<Printer> printers() { return state().printers; }

void setPrinters(std::vector<Printer> printers, const std::wstring& defaultName)
{
    State& s = rawState();
    s.loaded = true;
    s.printers = std::move(printers);
    s.indexed = false;
    s.defaultName.clear();
    if (!defaultName.empty())
        setDefault(nullptr, defaultName);
}

void addPrinter(const Printer& printer)
{
    state().printers.push_back(printer);
    rawState().indexed = false;
}

bool removePrinter(const std::wstring& name)
{
    State& s = state();
    for (auto it = s.printers.begin(); it != s.printers.end(); ++it)
        if (sameName(it->name, name)) {
            if (sameName(s.defaultName, name))
                s.defaultName.clear();
            s.printers.erase(it);
            s.indexed = false;
            return true;
        }
    return false;
}

bool changePrinter(const std::wstring& name, const std::function<void(Printer&)>& edit)
{
    Printer* p = find(name);
    if (!p)
        return false;
    const bool wasDefault = sameName(state().defaultName, p->name);
    edit(*p);
    rawState().indexed = false;
    if (wasDefault)
        state().defaultName = p->name;
    return true;
}

std::wstring defaultPrinter() { return state().defaultName; }

QueryCounts counts() { return rawState().counts; }
std::vector<Job> jobs() { return jobList(); }

std::string spoolFolder()
{
    if (const char* dir = std::getenv("DAVARAZ_SPOOL_DIR"); dir && *dir)
        return dir;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state)
        return std::string(state) + "/davaraz/spool";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/state/davaraz/spool";
}
void resetCounts() { rawState().counts = QueryCounts(); }

} // namespace vspool
