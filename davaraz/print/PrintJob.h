// Finished printer output (PostScript, PDF, or bytes in the printer's own language) sent to a
// printer as one job through the spooler.
#pragma once
#include "platform/win32/devmode.h"

#include <string>

namespace wut {

// What became of a job: its id in the spooler, or the failing step and the system's error.
struct JobResult {
    DWORD job = 0;     // 0 when the job was not queued
    DWORD error = 0;   // GetLastError() of the failing call
    std::string where; // the call that failed
    explicit operator bool() const { return job != 0; }
};

// Queues bytes for printer under the document name, to print with settings (null: the
// driver's defaults). A job that cannot be completed is withdrawn, never left half-fed.
JobResult sendToPrinter(const std::wstring& printer, const DEVMODEW* settings, const std::wstring& document,
                        const std::string& bytes);

} // namespace wut
