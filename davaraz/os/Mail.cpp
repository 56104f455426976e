// sendByMail over simple MAPI: the mail module that ut::DynamicLibrary loads as "MAPI32.DLL".
#include "davaraz/os/Mail.h"
#include "platform/tvutils/DynamicLibrary.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/win32/mapi.h"
#include "platform/win32/registry.h"

#include <string>

namespace wut {

EMailStatus sendByMail(ut::FileName file, HWND parent)
{
    const OdAnsiString path = ut::convertToAnsi(file.getFullPath(), 0);
    const OdAnsiString name = ut::convertToAnsi(file.getFullName(), 0);
    HKEY wine = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Wine\\Wine\\Config", 0, KEY_READ, &wine) == 0) {
        RegCloseKey(wine);
        return eMailUnavailable;
    }
    ut::DynamicLibrary mapi(OdString(L"MAPI32.DLL"), ut::DynamicLibrary::kLoadNow);
    if (!mapi.isLoaded())
        return eMailUnavailable;
    const auto send = reinterpret_cast<LPMAPISENDMAIL>(mapi.getSymbol(OdString(L"MAPISendMail")));
    if (!send)
        return eMailUnavailable;

    // The interface takes writable ANSI strings.
    std::string subject(name.c_str()), note(" "), attachment(path.c_str());
    MapiFileDesc file0{0, 0, 0, &attachment[0], &attachment[0], nullptr};
    MapiMessage message{};
    message.lpszSubject = &subject[0];
    message.lpszNoteText = &note[0];
    message.flFlags = MAPI_RECEIPT_REQUESTED;
    message.nFileCount = 1;
    message.lpFiles = &file0;
    const ULONG result = send(0, reinterpret_cast<ULONG_PTR>(parent), &message,
                              MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG, 0);
    return result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT ? eMailSent : eMailFailed;
}

} // namespace wut
