// The "io" section of a plotter configuration: where the output goes.
#pragma once
#include "davaraz/pia/PItem.h"

#include <string>

class CIoNode {
public:
    CIoNode() = default;
    CIoNode(const CIoNode&) = default;
    CIoNode(CIoNode&&) = default;
    CIoNode& operator=(const CIoNode&) = default;
    CIoNode& operator=(CIoNode&&) = default;

    // All four keys are required; the first key at fault goes to *fault.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    bool write(CPBlock& block) const;

    int type = 2;
    std::wstring pathname;
    bool allsysvalid = false;
    bool plotToFile = false;
};
