// Reading and writing the "io" section.
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/pia/SectionIo.h"

bool CIoNode::init(const CPBlock& block, std::wstring* fault)
{
    const section::Reader r(block, fault);
    return r.integer(L"type", type) && r.str(L"pathname", pathname) && r.flag(L"allsysvalid", allsysvalid) &&
           r.flag(L"plot_to_file", plotToFile);
}

bool CIoNode::write(CPBlock& block) const
{
    section::putInt(block, L"type", type);
    section::putStr(block, L"pathname", pathname);
    section::putFlag(block, L"allsysvalid", allsysvalid);
    section::putFlag(block, L"plot_to_file", plotToFile);
    return true;
}
