#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "platform/MemoryStream.h"

#include <cstdint>
#include <map>

class TEtsDeviceParam;
class TTalvoZielsystem;

// Builds the device image from its inputs and leaves it in the target (for its download) and in
// the compiler stream. The image is text-headed and deterministic:
//
//   "TALVO-IMAGE" CR LF
//   "DeviceId=" host device id, "Type=" type number (device parameter 60), "Records=" count,
//   "Associations=" count, "CharSet=" the character set's version line, each with CR LF
//   then four sections, each "[" name " " byte count "]" CR LF, the bytes, CR LF:
//   Records (the record table's text), Associations ("sub-group id=address" lines, the address
//   in hexadecimal), CharacterData (the character bytes without their version line) and
//   DeviceText.
//
// The character data's version line is the text before its first NUL, when it begins with
// one: that is how the caller puts it in front. False, nothing left anywhere, when an input is
// missing, the type number cannot be read, or the project forces a failure on "TalvoCompiler";
// a forced exception is thrown (devicelink's E_Zielsystem or TZielsystemFault).
bool TalvoCompiler(TTalvoZielsystem* target, TDatenManager<TDatenStruktur>* records, TEtsDeviceParam* deviceParam,
                   std::map<std::int32_t, std::uint16_t>* associations, platform::TMemoryStream* characterData,
                   platform::TMemoryStream* deviceText, platform::TMemoryStream* compilerStream);
