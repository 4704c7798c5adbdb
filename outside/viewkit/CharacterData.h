#pragma once

#include "platform/MemoryStream.h"

// The character set's S-record text (read from the source's beginning) as hexadecimal text in
// the destination, replacing its content: one line per character the records give, in code
// order, its first address (8 digits) followed by its eight pixel rows (2 digits each), each
// line ending in CR LF. False, the destination unchanged, when the text is no sound S-record
// text or gives no character (LoadS19StreamToMap).
bool LoadS19ToHexStream(platform::TMemoryStream* destination, platform::TMemoryStream* source);

// Hexadecimal text (read from the source's beginning; pairs of digits, line ends between the
// pairs) as bytes in the destination, replacing its content. False, the destination unchanged,
// for any other character, a lone digit, or no byte at all.
bool ConvertCharacterData(platform::TMemoryStream* destination, platform::TMemoryStream* source);
