// Result codes of the CAD SDK base types that this library raises or passes on.
#pragma once

enum OdResult {
    eOk = 0,
    eInvalidInput = 5,
    eInvalidIndex = 7,
    eOutOfMemory = 9,
};
