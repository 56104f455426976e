#!/bin/sh
# ippeveprinter's per-job command: writes the IPP attributes the job arrived with (IPP_MEDIA_COL,
# IPP_SIDES, IPP_COPIES, ...) beside the document, for the tests to read. Returning at once
# also spares the seconds ippeveprinter otherwise spends "printing".
env | grep -E '^(IPP_|CONTENT_TYPE=)' | grep -vE '_(DEFAULT|SUPPORTED|READY|DATABASE)=' | sort >"$1.env"
