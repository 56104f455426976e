// Reading and writing the "meta" section.
#include "davaraz/plotmodel/MetaNode.h"
#include "davaraz/pia/SectionIo.h"

bool CMetaNode::init(const CPBlock& block, std::wstring* fault)
{
    const section::Reader r(block, fault);
    if (!r.str(L"user_defined_model_pathname", userDefinedModelPathname) ||
        !r.str(L"user_defined_model_basename", userDefinedModelBasename) ||
        !r.str(L"driver_pathname", driverPathname) || !r.str(L"driver_version", driverVersion) ||
        !r.str(L"driver_tag_line", driverTagLine) || !r.integer(L"toolkit_version", toolkitVersion) ||
        !r.integer(L"driver_type", driverType) || !r.str(L"canonical_family_name", canonicalFamilyName) ||
        !r.flag(L"show_custom_first", showCustomFirst) || !r.flag(L"truetype_as_text", truetypeAsText) ||
        !r.str(L"canonical_model_name", canonicalModelName) ||
        !r.str(L"localized_family_name", localizedFamilyName) ||
        !r.str(L"localized_model_name", localizedModelName) || !r.flag(L"file_only", fileOnly) ||
        !r.str(L"model_abilities", modelAbilities) || !r.str(L"udm_description", udmDescription))
        return false;
    r.optStr(L"win_device_name", winDeviceName);
    r.optStr(L"win_driver_name", winDriverName);
    r.optStr(L"short_net_name", shortNetName);
    r.optStr(L"friendly_net_name", friendlyNetName);
    r.optInt(L"dm_driver_version", dmDriverVersion);
    r.optFlag(L"default_system_cfg", defaultSystemCfg);
    r.optStr(L"platform", platform);
    r.optStr(L"locale", locale);
    r.optStr(L"config_description", configDescription);
    r.optFlag(L"config_autospool", configAutospool);
    return true;
}

bool CMetaNode::write(CPBlock& block) const
{
    using namespace section;
    putStr(block, L"user_defined_model_pathname", userDefinedModelPathname);
    putStr(block, L"user_defined_model_basename", userDefinedModelBasename);
    putStr(block, L"driver_pathname", driverPathname);
    putStr(block, L"driver_version", driverVersion);
    putStr(block, L"driver_tag_line", driverTagLine);
    putInt(block, L"toolkit_version", toolkitVersion);
    putInt(block, L"driver_type", driverType);
    putStr(block, L"canonical_family_name", canonicalFamilyName);
    putFlag(block, L"show_custom_first", showCustomFirst);
    putFlag(block, L"truetype_as_text", truetypeAsText);
    putStr(block, L"canonical_model_name", canonicalModelName);
    putStr(block, L"localized_family_name", localizedFamilyName);
    putStr(block, L"localized_model_name", localizedModelName);
    putFlag(block, L"file_only", fileOnly);
    putStr(block, L"model_abilities", modelAbilities);
    putStr(block, L"udm_description", udmDescription);
    if (!winDeviceName.empty())
        putStr(block, L"win_device_name", winDeviceName);
    if (!winDriverName.empty())
        putStr(block, L"win_driver_name", winDriverName);
    putStr(block, L"short_net_name", shortNetName);
    putStr(block, L"friendly_net_name", friendlyNetName);
    if (dmDriverVersion != 0)
        putInt(block, L"dm_driver_version", dmDriverVersion);
    if (defaultSystemCfg)
        putFlag(block, L"default_system_cfg", *defaultSystemCfg);
    if (!platform.empty())
        putStr(block, L"platform", platform);
    if (!locale.empty())
        putStr(block, L"locale", locale);
    if (!configDescription.empty())
        putStr(block, L"config_description", configDescription);
    if (configAutospool)
        putFlag(block, L"config_autospool", *configAutospool);
    return true;
}
