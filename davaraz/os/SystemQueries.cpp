// System queries over the stand-in's calls, the process locale, and the small utilities.
#include "davaraz/os/SystemQueries.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/codepage.h"
#include "platform/win32/registry.h"
#include "platform/win32/sysinfo.h"
#include "platform/win32/wstr.h"

#include <wx/filename.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <charconv>
#include <clocale>
#include <cstdio>
#include <memory>

namespace wut {

EFSVolumeKind getDriveType(const wchar_t* root)
{
    const wxLogNull quiet;
    const std::u16string path = win32::toUtf16(root ? root : L"");
    switch (GetDriveTypeW(root ? path.c_str() : nullptr)) {
    case DRIVE_REMOVABLE: return eRemovable;
    case DRIVE_FIXED: return eFixed;
    case DRIVE_CDROM: return eCdRom;
    case DRIVE_REMOTE: return eNetwork;
    default: return eOther;
    }
}

bool isUnderWine()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Wine\\Wine\\Config", 0, KEY_READ, &key) != 0)
        return false;
    RegCloseKey(key);
    return true;
}

namespace {
wchar_t localeChar(DWORD type)
{
    WCHAR buffer[4] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 4);
    return static_cast<wchar_t>(buffer[0]);
}
} // namespace

wchar_t getSystemDefaultSeparator() { return localeChar(LOCALE_SLIST); }
wchar_t getSystemDecimalSeparator() { return localeChar(LOCALE_SDECIMAL); }

void setApplicationLocale()
{
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_COLLATE, "");
    std::setlocale(LC_TIME, "");
}

void setFormattingErrorHandler() {}

void milliSleep(unsigned long ms) { wxMilliSleep(ms); }

int mulDiv(int a, int b, int c) { return MulDiv(a, b, c); }

void initWxWidgets(bool start)
{
    if (start) {
        int argc = 0;
        wxEntryStart(argc, static_cast<wxChar**>(nullptr));
    } else {
        wxEntryCleanup();
    }
}

bool makeRelativePath(const wxString& basePath, const wxString& path, wxString& result)
{
    const wxString folder = wxFileName(basePath).GetPath(wxPATH_GET_VOLUME, wxPATH_NATIVE);
    wxFileName target(path);
    if (!target.IsAbsolute() || !target.MakeRelativeTo(folder))
        return false;
    if (target.GetDirCount() == 0)
        result = wxString(wxT(".")) + wxFileName::GetPathSeparator();
    result += target.GetFullPath();
    return true;
}

bool readPositionFile(const OdString& fileName, double& a, double& b, double& c, double& d, double& e, double& f)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(win32::toUtf8(fileName.c_str()).c_str(), "r"), std::fclose);
    if (!file)
        return false;
    double* const order[] = {&c, &f, &e, &d, &a, &b};
    char line[2048];
    for (double* out : order) {
        if (!ut::nfgets(line, sizeof line, file.get()))
            return false;
        OdString text(win32::fromUtf8(line).c_str());
        ut::removeSpaces(text, "be");
        const std::string number = win32::toUtf8(text.c_str());
        const char* first = number.data() + (number.size() > 1 && number[0] == '+'); // "+1.5" reads too
        double value = 0;
        const auto parsed = std::from_chars(first, number.data() + number.size(), value);
        if (number.empty() || parsed.ec != std::errc() || parsed.ptr != number.data() + number.size())
            return false;
        *out = value;
    }
    return true;
}

bool SymbolNameAndId::operator<(const SymbolNameAndId& other) const
{
    return ut::strCmpAlphanum(name.c_str(), other.name.c_str(), false) < 0;
}

bool CmpCollatedNoCaseWx::operator()(const wxString& x, const wxString& y) const
{
    return ut::strCmpAlphanum(x.wc_str(), y.wc_str(), true) < 0;
}

} // namespace wut
