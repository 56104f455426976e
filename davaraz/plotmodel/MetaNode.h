// The "meta" section of a plotter configuration (and of a plot model parameter document):
// which model, driver and Windows device the configuration was made for.
#pragma once
#include "davaraz/pia/PItem.h"

#include <optional>
#include <string>

class CMetaNode {
public:
    CMetaNode() = default;
    CMetaNode(const CMetaNode&) = default;
    CMetaNode& operator=(const CMetaNode&) = default;
    ~CMetaNode() = default;

    // True when all sixteen required keys were read; otherwise the first key at fault goes to
    // *fault (when given) and the fields read so far keep their new values.
    bool init(const CPBlock& block, std::wstring* fault = nullptr);
    // Appends the items to an empty "meta" block; always true.
    bool write(CPBlock& block) const;

    // Required.
    std::wstring userDefinedModelPathname;
    std::wstring userDefinedModelBasename;
    std::wstring driverPathname;
    std::wstring driverVersion;
    std::wstring driverTagLine;
    int toolkitVersion = 0;
    int driverType = 0;
    std::wstring canonicalFamilyName;
    bool showCustomFirst = false;
    bool truetypeAsText = true;
    std::wstring canonicalModelName;
    std::wstring localizedFamilyName;
    std::wstring localizedModelName;
    bool fileOnly = false;
    std::wstring modelAbilities;
    std::wstring udmDescription;
    // Optional.
    std::wstring winDeviceName;
    std::wstring winDriverName;
    std::wstring shortNetName;
    std::wstring friendlyNetName;
    int dmDriverVersion = 0;
    std::optional<bool> defaultSystemCfg; // absent and false differ: false is written as FALSE
    std::wstring platform;
    std::wstring locale;
    std::wstring configDescription;
    std::optional<bool> configAutospool;
};
