// Writes and reads back a small PIA tree through the installed library.
#include <davaraz/davaraz.h>

#include <cstdio>
#include <string>

int main()
{
    const std::string path = std::string(P_tmpdir) + "/davaraz-consumer.pc3";
    const std::wstring wpath(path.begin(), path.end());
    CPBlock root(L"");
    root.add(new CPNum(L"answer", 42));
    CPIAFileOut out;
    out.setKind(PIA_PC3);
    if (!out.write(&root, wpath.c_str()))
        return 1;
    CPIAParser parser;
    int value = 0;
    const bool ok = parser.open(wpath.c_str()) == 0 && parser.parse() && parser.root()->getInt(value, L"answer");
    ut::removeFile(OdString(wpath));
    std::printf("consumer: %s\n", ok && value == 42 ? "ok" : "failed");
    return ok && value == 42 ? 0 : 1;
}
