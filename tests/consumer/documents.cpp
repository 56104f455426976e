// A host that wants the documents alone: a colour-dependent table written and read back through
// davaraz::documents, which brings neither wxWidgets nor a printer.
#include <davaraz/plotstyle/PlotStyleTable.h>
#include <platform/tvutils/FileName.h>

#include <cstdio>
#include <memory>
#include <string>

int main()
{
    const std::string path = std::string(P_tmpdir) + "/davaraz-documents.ctb";
    const std::wstring wpath(path.begin(), path.end());
    const std::unique_ptr<CPlotStyleTable> table(CPlotStyleTable::create(true, nullptr));
    const bool written = table && table->write(wpath.c_str());
    const std::unique_ptr<CPlotStyleTable> back(written ? CPlotStyleTable::read(wpath.c_str()) : nullptr);
    ut::removeFile(OdString(wpath));
    const bool ok = back && back->size() == 255;
    std::printf("documents: %s\n", ok ? "ok" : "failed");
    return ok ? 0 : 1;
}
