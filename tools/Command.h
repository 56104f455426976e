// The command table of the davaraz tool: each command group registers its entries.
#pragma once
#include "davaraz/pia/Document.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/FileName.h"

#include <functional>
#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage; // arguments, for the help text
    const char* help;  // what it does, for --help
    int minArgs;
    int maxArgs;
    int (*run)(const Args& args);
    bool usesPrinters = false; // refused up front when no spooler can be reached
};

// Exit codes: 0 success, 1 a file or its content is wrong, 2 usage error.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// Prints "davaraz: <file>: <message>" to stderr and returns kFailed.
int fail(const std::string& file, const std::string& message);
// The outcome of writing file: kOk, with a warning on stderr when the payload went out as UTF-8;
// kFailed with the reason otherwise.
int reportWrite(const std::string& file, const pia::WriteResult& result);
// Prints "davaraz: <message>" to stderr and returns kUsage.
int usageError(const std::string& message);
// A temporary file's name, the file removed however the command ends.
struct TempFile {
    explicit TempFile(const wchar_t* prefix) : path(ut::FileName::createTempFileName(prefix)) {}
    ~TempFile() { ut::removeFile(path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const OdString path;
};

// Copies path, a regular file, into copy (a native path) in one pass, so that what follows
// reads one state of a file another program may be writing; empty, or why it failed.
std::string snapshot(const std::string& path, const std::string& copy);

// Empty when path is a regular file that can be opened for reading, else "cannot read: " and
// why, in the system's words ("No such file or directory", "is a folder", ...).
std::string unreadable(const std::string& path);

// Refuses (kFailed, with a message) an output that is the input file itself, however named:
// writing it would destroy what is being read. kOk otherwise.
int refuseInputAsOutput(const std::string& input, const std::string& output);
// Runs a command over each of several files: with more than one, each file's output follows a
// line "==> FILE <==" (as head writes). A file that fails is reported and the next one still
// run: kOk when every one succeeded, else the worst exit code.
// Without headers, the files' outputs simply follow one another.
int eachFile(const Args& files, const std::function<int(const std::string&)>& one, bool headers = true);
// Splits "--out-dir DIR" off the arguments; false when given twice or without a folder.
bool takeOutDir(Args& args, std::string& dir);
// The output in dir (made when missing) for each input: the input's name with the extension;
// empty, with the message printed and rc its exit code, when two inputs would write one file
// or the folder cannot be made.
std::vector<std::string> outputsIn(const std::string& dir, const Args& inputs, const char* extension, int& rc);
// Whether path has the extension (L"pmp"), letter case ignored.
bool hasExtension(const std::string& path, const wchar_t* extension);

// Conversions between UTF-8 command-line text and wide strings.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// The command groups; each appends its commands.
void addPiaCommands(std::vector<Command>& table);
void addPlotStyleCommands(std::vector<Command>& table);
void addStyleCommands(std::vector<Command>& table);
void addDiffCommand(std::vector<Command>& table);
void addPrintCommands(std::vector<Command>& table);
void addPaperCommands(std::vector<Command>& table);
void addPc3Commands(std::vector<Command>& table);
void addPreviewCommand(std::vector<Command>& table);

} // namespace cli
