#include "outside/imagebuild/TalvoCompiler.h"

#include "outside/devicelink/TalvoZielsystem.h"
#include "outside/devicelink/ZielsystemFaults.h"
#include "outside/hostdata/EtsDeviceParam.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::int16_t TypeNumberParameter = 60;

// The version line in front of the character bytes, and the bytes after it.
std::pair<std::string_view, std::string_view> SplitVersionLine(std::string_view data)
{
    const std::size_t end = data.find('\0');
    if (end == 0 || end == std::string_view::npos)
        return {{}, data};
    for (const char c : data.substr(0, end))
        if (static_cast<unsigned char>(c) < 0x20)
            return {{}, data};
    return {data.substr(0, end), data.substr(end + 1)};
}

std::string Section(const char* name, std::string_view bytes)
{
    return std::string("[") + name + " " + std::to_string(bytes.size()) + "]\r\n" + std::string(bytes) + "\r\n";
}

std::string AssociationLines(const std::map<std::int32_t, std::uint16_t>& associations)
{
    std::string lines;
    for (const auto& [subGroup, address] : associations) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", address);
        lines += std::to_string(subGroup) + "=" + hex + "\r\n";
    }
    return lines;
}

} // namespace

bool TalvoCompiler(TTalvoZielsystem* target, TDatenManager<TDatenStruktur>* records, TEtsDeviceParam* deviceParam,
                   std::map<std::int32_t, std::uint16_t>* associations, platform::TMemoryStream* characterData,
                   platform::TMemoryStream* deviceText, platform::TMemoryStream* compilerStream)
{
    if (!target || !records || !deviceParam || !associations || !characterData || !deviceText || !compilerStream)
        return false;
    const host::TSimOutcome forced = target->ForcedOutcome("TalvoCompiler");
    RaiseForcedException(forced, "TalvoCompiler");
    if (forced != host::TSimOutcome::Ok)
        return false;
    std::int32_t typeNumber = 0;
    if (deviceParam->GetDeviceParamData(TypeNumberParameter, typeNumber))
        return false;

    platform::TMemoryStream recordText;
    records->SaveToStream(recordText);
    const auto [versionLine, characters] = SplitVersionLine(characterData->Bytes());
    std::string image = "TALVO-IMAGE\r\n";
    image += "DeviceId=" + std::to_string(deviceParam->DeviceId()) + "\r\n";
    image += "Type=" + std::to_string(typeNumber) + "\r\n";
    image += "Records=" + std::to_string(records->Count()) + "\r\n";
    image += "Associations=" + std::to_string(associations->size()) + "\r\n";
    image += "CharSet=" + std::string(versionLine) + "\r\n";
    image += Section("Records", recordText.Bytes());
    image += Section("Associations", AssociationLines(*associations));
    image += Section("CharacterData", characters);
    image += Section("DeviceText", deviceText->Bytes());

    compilerStream->Clear();
    compilerStream->Write(image);
    compilerStream->SetPosition(0);
    target->SetImage(std::move(image));
    return true;
}
