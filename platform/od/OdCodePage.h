// Code-page identifiers of the CAD SDK. Only the ones this library passes are listed.
#pragma once

enum OdCodePageId {
    CP_UNDEFINED = 0, // the system ANSI code page
    CP_ANSI_1252 = 46,
};

// The Windows code page behind an identifier; 0 (the system ANSI code page) for unknown ones.
unsigned odCodePageToWindows(OdCodePageId id);
