// Handing a file to the desktop's mail client as the attachment of a new message.
#pragma once
#include "platform/tvutils/FileName.h"
#include "platform/win32/handles.h"

namespace wut {

enum EMailStatus {
    eMailSent = 0,          // the mail client took the message (or the user cancelled it)
    eMailUnavailable = 1,   // no mail service: under Wine, or no mail module or MAPISendMail in it
    eMailFailed = 2,        // the mail service reported an error
};

// A new message with the file attached and its name as subject, shown to the user.
EMailStatus sendByMail(ut::FileName file, HWND parent);

} // namespace wut
