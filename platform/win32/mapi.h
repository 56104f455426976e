// Simple MAPI as the mail call of the Win32 stand-in: the structures of MAPISendMail and the
// module that provides it. On this port "MAPI32.DLL" is the stand-in's own mail module
// (libdavaraz_mapi.so), which hands the message to the desktop's mail client through xdg-email.
#pragma once
#include <cstdint>

using ULONG = std::uint32_t;
using FLAGS = std::uint32_t;
using LHANDLE = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;

struct MapiFileDesc {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    char* lpszPathName;
    char* lpszFileName;
    void* lpFileType;
};

struct MapiRecipDesc {
    ULONG ulReserved;
    ULONG ulRecipClass;
    char* lpszName;
    char* lpszAddress;
    ULONG ulEIDSize;
    void* lpEntryID;
};

struct MapiMessage {
    ULONG ulReserved;
    char* lpszSubject;
    char* lpszNoteText;
    char* lpszMessageType;
    char* lpszDateReceived;
    char* lpszConversationID;
    FLAGS flFlags;
    MapiRecipDesc* lpOriginator;
    ULONG nRecipCount;
    MapiRecipDesc* lpRecips;
    ULONG nFileCount;
    MapiFileDesc* lpFiles;
};

constexpr ULONG SUCCESS_SUCCESS = 0;
constexpr ULONG MAPI_USER_ABORT = 1;
constexpr ULONG MAPI_E_FAILURE = 2;
constexpr ULONG MAPI_E_LOGIN_FAILURE = 3;
constexpr ULONG MAPI_E_ATTACHMENT_NOT_FOUND = 11;
constexpr FLAGS MAPI_LOGON_UI = 0x1;
constexpr FLAGS MAPI_NEW_SESSION = 0x2;
constexpr FLAGS MAPI_DIALOG = 0x8;
constexpr FLAGS MAPI_RECEIPT_REQUESTED = 0x4;

// Reproduces: a message with its subject, text and attachments (texts in the ANSI code page)
// handed to the mail client's compose window, SUCCESS_SUCCESS once xdg-email took it,
// MAPI_E_ATTACHMENT_NOT_FOUND for an attachment that is not there (xdg-email's "file does not
// exist"), MAPI_E_LOGIN_FAILURE when no mail client can be run, MAPI_E_FAILURE otherwise.
// Leaves out: recipients (the user adds them in the compose window), sessions, the parent
// window, sending without the dialog, and MAPI_USER_ABORT (xdg-email does not learn of it).
extern "C" ULONG MAPISendMail(LHANDLE lhSession, ULONG_PTR ulUIParam, MapiMessage* lpMessage, FLAGS flFlags,
                              ULONG ulReserved);
using LPMAPISENDMAIL = ULONG (*)(LHANDLE, ULONG_PTR, MapiMessage*, FLAGS, ULONG);
