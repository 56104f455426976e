// Shared helpers of the tool's commands: messages and UTF-8 conversions.
#include "Command.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/ReadFile.h"
#include "platform/win32/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <sys/stat.h>

namespace cli {

int fail(const std::string& file, const std::string& message)
{
    // A name from the command line or a file may be of any length: the line stays readable.
    constexpr std::size_t kMaxName = 200;
    std::string name = file;
    if (name.size() > kMaxName) {
        std::size_t cut = kMaxName;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 character
        name = name.substr(0, cut) + "... (" + std::to_string(file.size()) + " bytes)";
    }
    std::fprintf(stderr, "davaraz: %s: %s\n", name.c_str(), message.c_str());
    return kFailed;
}

std::string snapshot(const std::string& path, const std::string& copy)
{
    ut::FileRead problem;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(ut::openRegularFile(path, problem), std::fclose);
    if (!in)
        return "cannot read: " + problem.why;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(copy.c_str(), "wb"), std::fclose);
    if (!out)
        return std::string("cannot write a temporary copy: ") + std::strerror(errno);
    char buf[1 << 16];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in.get())) > 0;)
        if (std::fwrite(buf, 1, n, out.get()) != n)
            return std::string("cannot write a temporary copy: ") + std::strerror(errno);
    if (std::ferror(in.get()))
        return std::string("cannot read: ") + std::strerror(errno);
    return std::fflush(out.get()) == 0 ? std::string() : std::string("cannot write a temporary copy: ") + std::strerror(errno);
}

std::string unreadable(const std::string& path)
{
    ut::FileRead problem;
    std::FILE* f = ut::openRegularFile(path, problem);
    if (f)
        std::fclose(f);
    return f ? std::string() : "cannot read: " + problem.why;
}

int reportWrite(const std::string& file, const pia::WriteResult& result)
{
    if (!result)
        return fail(file, narrow(result.description()));
    if (result.utf8) {
        const std::string page = std::to_string(GetACP());
        const std::string why = result.misread ? "in ANSI code page " + page + " its bytes would read back as other text"
                                               : "ANSI code page " + page + " lacks some of its characters";
        std::fprintf(stderr,
                     "davaraz: warning: %s: %s; the payload is written as UTF-8 (DAVARAZ_ANSI_CODEPAGE selects another "
                     "code page)\n",
                     file.c_str(), why.c_str());
    }
    return kOk;
}

int usageError(const std::string& message)
{
    std::fprintf(stderr, "davaraz: %s\n", message.c_str());
    return kUsage;
}

int refuseInputAsOutput(const std::string& input, const std::string& output)
{
    struct stat in;
    struct stat out;
    if (::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 && in.st_dev == out.st_dev &&
        in.st_ino == out.st_ino)
        return fail(output, "is the input " + input + "; nothing written (choose another output)");
    return kOk;
}

int eachFile(const Args& files, const std::function<int(const std::string&)>& one, bool headers)
{
    int worst = kOk;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (headers && files.size() > 1) {
            std::printf("%s==> %s <==\n", i ? "\n" : "", files[i].c_str());
            std::fflush(stdout); // before the file's own lines, which may go out unbuffered
        }
        worst = std::max(worst, one(files[i]));
    }
    return worst;
}

bool takeOutDir(Args& args, std::string& dir)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--out-dir")
            continue;
        if (i + 1 >= args.size() || !dir.empty() || args[i + 1].empty())
            return false;
        dir = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return true;
}

std::vector<std::string> outputsIn(const std::string& dir, const Args& inputs, const char* extension, int& rc)
{
    std::vector<std::string> outputs;
    std::map<std::string, std::string> from;
    for (const std::string& in : inputs) {
        const std::string out = (std::filesystem::path(dir) / std::filesystem::path(in).stem()).string() + "." + extension;
        const auto taken = from.emplace(out, in);
        if (!taken.second) {
            rc = usageError(in + " and " + taken.first->second + " would both write " + out + "; nothing written");
            return {};
        }
        outputs.push_back(out);
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        rc = fail(dir, "cannot make the folder: " + ec.message());
        return {};
    }
    rc = kOk;
    return outputs;
}

bool hasExtension(const std::string& path, const wchar_t* extension)
{
    return ut::FileName(ut::fromNativePath(path)).hasExt(extension);
}

// Arguments and file names are bytes: the file names' escape keeps any that are not UTF-8.
std::wstring widen(const std::string& utf8) { return ut::fromNativePath(utf8).str(); }

std::string narrow(const std::wstring& wide) { return ut::toNativePath(OdString(wide)); }

} // namespace cli
