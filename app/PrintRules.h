#pragma once

#include "outside/printout/ReportRecords.h"
#include "platform/MemoryStream.h"

#include <string>

// The name a report is printed into: one whose extension is not "pdf" (in any case) gets ".pdf"
// appended; the extension is then written in lower case.
std::string PdfFileName(const std::string& chosen);

// The pictures of the character set in the stream, read from its start: 6 × 8 pixels each,
// black on white, by the running index of their codes in ascending order. None when the stream
// holds no character set.
TCharBitmaps RenderCharBitmaps(platform::TMemoryStream& charSet);
