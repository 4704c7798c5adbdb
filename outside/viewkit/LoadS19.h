#pragma once

#include "outside/viewkit/CharacterMap.h"
#include "platform/MemoryStream.h"

// Every character takes this many bytes of the S-record image, one per pixel row, from the
// address code x BytesPerCharacter on.
inline constexpr int BytesPerCharacter = 8;

// Reads S-record text from the stream's position to its end into the map: the data records
// (S1, S2, S3) give the bytes of the image, whose characters replace the map's content. Blank
// lines, the text lines of the format ("SX ...", such as the version line of a character set),
// headers (S0), counts (S5, S6) and ends (S7, S8, S9) carry no characters. False, and the map
// unchanged, when a line is no S-record, a record's length or checksum is wrong, or no data
// record carries a byte.
bool LoadS19StreamToMap(platform::TMemoryStream* stream, TCharacterMap& map);
