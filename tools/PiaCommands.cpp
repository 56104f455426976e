// dump, pack and info: the PIA container seen from the command line.
#include "Command.h"
#include "DocumentCheck.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAHeader.h"
#include "davaraz/pia/PIAParser.h"
#include "platform/win32/codepage.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <zlib.h>

namespace cli {
namespace {

// Why a PIA file could not be opened, in words for the message.
std::string openFailure(const std::string& path, int rc)
{
    const std::string why = unreadable(path);
    if (!why.empty())
        return why;
    struct stat st;
    ::stat(path.c_str(), &st);
    if (rc == pia::kFileError)
        return st.st_size < static_cast<off_t>(pia::kHeaderSize) ? "shorter than the 60-byte PIA header"
                                                                 : "cannot be read";
    return std::string("cannot decompress the payload: ") + ZlibEngine::errorText(rc);
}

// Converts payload bytes in the ANSI code page to UTF-8, whole lines at a time so that no
// multi-byte character is cut.
std::string ansiToUtf8(const std::string& bytes)
{
    if (bytes.empty())
        return bytes;
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                      static_cast<wchar_t*>(nullptr), 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return narrow(wide);
}

// Whether any cut through text in the code page leaves whole characters: all but the
// double-byte pages.
bool singleByte(UINT codePage) { return codePage != 932 && codePage != 936 && codePage != 949 && codePage != 950; }

// Streams the payload text to stdout as UTF-8 in chunks, so that neither a long line nor a
// large payload is ever held whole.
int dumpOne(const std::string& path)
{
    CPIAFileIn in;
    const int rc = in.open(widen(path).c_str());
    if (rc != 0)
        return fail(path, openFailure(path, rc));
    const bool anyCut = singleByte(GetACP());
    std::vector<char> buf(64 * 1024);
    std::string pending; // ANSI bytes held back until a cut cannot split a character
    const auto put = [](const std::string& text) {
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    };
    for (std::size_t got; (got = in.readRaw(buf.data(), buf.size())) > 0;) {
        // The NUL that ends real-world payloads is not text.
        const std::string fresh(buf.begin(), std::remove(buf.begin(), buf.begin() + got, '\0'));
        if (in.isUtf8()) {
            if (!put(fresh))
                return fail("stdout", "write error");
            continue;
        }
        pending += fresh;
        // In a double-byte page no byte below 0x40 is part of a two-byte character.
        std::size_t cut = anyCut ? pending.size() : 0;
        for (std::size_t i = pending.size(); cut == 0 && i > pending.size() - fresh.size(); --i)
            if (static_cast<unsigned char>(pending[i - 1]) < 0x40)
                cut = i;
        if (!put(ansiToUtf8(pending.substr(0, cut))))
            return fail("stdout", "write error");
        pending.erase(0, cut);
    }
    if (!put(ansiToUtf8(pending)) || std::fflush(stdout) != 0)
        return fail("stdout", "write error");
    if (in.fault() != 0)
        return fail(path, std::string("changed while it was read: ") + ZlibEngine::errorText(in.fault()));
    return kOk;
}

int runPack(const Args& args)
{
    const std::string& textPath = args[0];
    const std::string& outPath = args[1];
    const std::wstring out = widen(outPath);
    const int kind = pia::kindForPath(out.c_str());
    if (kind < 0)
        return usageError("pack: " + outPath + ": the extension must be .ctb, .stb, .pc3 or .pmp");
    if (refuseInputAsOutput(textPath, outPath) != kOk)
        return kFailed;
    CPIAParser parser;
    if (parser.openText(widen(textPath).c_str()) != 0)
    {
        const std::string why = unreadable(textPath);
        return fail(textPath, why.empty() ? "cannot be read" : why);
    }
    if (!parser.parse())
        return fail(textPath + ":" + std::to_string(parser.errorLine()),
                    "the line does not follow the PIA payload grammar");
    parser.file().close();
    CPIAFileOut writer;
    writer.setKind(kind);
    const bool written = writer.write(parser.root(), out.c_str());
    return reportWrite(outPath, pia::WriteResult::of(writer, written));
}

int infoOne(const std::string& path)
{
    // Every figure comes from one copy: a file being written meanwhile is reported as it was.
    const TempFile copy(L"info");
    const std::string copyPath = ut::toNativePath(copy.path);
    if (copy.path.isEmpty())
        return fail(path, "no temporary file for a copy: " + ut::FileName::tempFolderProblem());
    if (const std::string why = snapshot(path, copyPath); !why.empty())
        return fail(path, why);
    const pia::Inspection file = pia::inspect(copyPath);
    if (file.fault == pia::Inspection::cannotOpen)
        return fail(path, "cannot read: " + file.why);
    if (file.fault == pia::Inspection::shortHeader)
        return fail(path, "shorter than the 60-byte PIA header");
    const pia::Header& header = file.header;
    const std::uint32_t stored = header.checksum;
    const char* verdict = stored == file.zeroBasedSum  ? "matches (Adler-32 started at 0)"
                          : stored == file.standardSum ? "matches (standard Adler-32)"
                                                       : "does not match";

    std::printf("version: %s\n", header.version.c_str());
    std::printf("codec: %s\n", header.codec.c_str());
    std::printf("checksum: stored 0x%08" PRIx32 ", computed 0x%08" PRIx32 ", %s\n", stored,
                stored == file.standardSum ? file.standardSum : file.zeroBasedSum, verdict);

    CPIAParser parser;
    const int rc = parser.open(copy.path.c_str());
    std::printf("uncompressed size: stored %" PRIu32 ", actual %s\n", header.uncompressedSize,
                rc == 0 ? std::to_string(parser.file().textSize()).c_str() : "unknown");
    std::printf("compressed size: stored %" PRIu32 ", actual %" PRIu64 "\n", header.compressedSize, file.streamSize);
    if (rc != 0) {
        std::printf("payload: cannot be decompressed\n");
        return fail(path, openFailure(copyPath, rc));
    }
    std::printf("encoding: %s\n",
                parser.file().isUtf8() ? "UTF-8" : ("ANSI code page " + std::to_string(GetACP())).c_str());
    if (!parser.parse()) {
        std::printf("payload: does not parse (line %d)\n", parser.errorLine());
        return fail(path, "the payload does not parse at line " + std::to_string(parser.errorLine()));
    }
    std::printf("payload: parses (%d top-level items)\n", parser.root()->count());
    if (const int kind = documentKind(path)) {
        const std::string fault = checkSections(kind, *parser.root());
        if (!fault.empty())
            return fail(path, fault);
    }
    return kOk;
}

int runDump(const Args& args) { return eachFile(args, dumpOne); }
int runInfo(const Args& args) { return eachFile(args, infoOne); }

} // namespace

void addPiaCommands(std::vector<Command>& table)
{
    table.push_back({"dump", "FILE...",
                     "the decompressed payload of each PIA file (.ctb, .stb, .pc3, .pmp) on stdout, as UTF-8", 1, -1, runDump});
    table.push_back({"pack", "TEXT OUT",
                     "a PIA file OUT from a payload text in UTF-8; its kind follows OUT's extension", 2, 2, runPack});
    table.push_back({"info", "FILE...",
                     "the header as stored, checksums, sizes and encoding of each file, whether its payload parses and, for .pc3 and .pmp, the first section that fails and its key", 1, -1, runInfo});
}

} // namespace cli
