#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/imagebuild/ImagebuildFactory.h"
#include "outside/viewkit/CharacterData.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <filesystem>
#include <map>
#include <system_error>

namespace {

// With the debug switch on, the compiler's output replaces the content of the debug file, when
// that file exists; none is made.
void WriteNewCompData(const platform::TMemoryStream& compilerStream)
{
    if (DM == nullptr)
        return;
    const TMyRegistry registry;
    bool on = false;
    registry.ReadIniBool(DM->IniFileName, SECTION_DEBUG, KEY_WRITENEWCOMPDATA, false, on);
    if (!on)
        return;
    std::string name;
    registry.ReadIniString(DM->IniFileName, SECTION_DEBUG, KEY_NEWCOMPDATA, "NewCompData.txt", name);
    std::error_code error;
    if (name.empty() || !std::filesystem::is_regular_file(name, error))
        return;
    try {
        compilerStream.SaveToFile(name);
    } catch (const std::system_error&) {
        // A debug aid: the compile does not depend on it.
    }
}

} // namespace

bool TFormMain::Compiler(TTalvoZielsystem* target)
{
    LOG_FKT_START("TFormMain::Compiler");
    if (AktDevInst == nullptr)
        return false;
    std::map<std::int32_t, std::uint16_t> associations;
    if (!AktDevInst->GetAssociationTable(associations))
        return false;

    platform::TMemoryStream recordStream;
    platform::TMemoryStream hexStream;
    platform::TMemoryStream characterData;
    TDeviceInstanz::TRecordTable records(&recordStream);
    AktDevInst->CopyStrukturDatenToDB(&records, nullptr);

    const TImagebuildFactory& imagebuild =
        Factories.Imagebuild != nullptr ? *Factories.Imagebuild : TImagebuildFactory::Default();
    bool result = false;
    try {
        if (LoadS19ToHexStream(&hexStream, &AktDevInst->CharSetStream)
            && ConvertCharacterData(&characterData, &hexStream)) {
            RebuildCharacterDataHeader(&characterData, &AktDevInst->CharSetStream);
            result = imagebuild.TalvoCompiler(target, &records, AktDevInst->GetEtsDeviceParam(), &associations,
                                              &characterData, &AktDevInst->DeviceTextStream,
                                              &AktDevInst->NewCompDataStream);
        }
    } catch (const std::exception& failure) {
        result = false;
        platform::MessageBox(std::string("Exception from Server:\r\n") + failure.what(), "Compiler", platform::MB_OK);
    } catch (...) {
        result = false;
        platform::MessageBox("Unknown Exception from Server", "Compiler", platform::MB_OK);
    }
    // After the compile, so that the file shows what this compile made.
    WriteNewCompData(AktDevInst->NewCompDataStream);
    return result;
}

bool TFormMain::RebuildCharacterDataHeader(platform::TMemoryStream* data, platform::TMemoryStream* charSet)
{
    LOG_FKT_START("TFormMain::RebuildCharacterDataHeader");
    if (AktDevInst == nullptr || data == nullptr || charSet == nullptr)
        return false;
    const std::string copy = data->Bytes();
    const std::string& text = charSet->Bytes();
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    if (firstLine.empty())
        return false;
    data->Clear();
    data->Write(firstLine);
    data->Write("\0", 1);
    data->Write(copy);
    data->SetPosition(0);
    return true;
}
