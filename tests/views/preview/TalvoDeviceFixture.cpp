#include "tests/views/preview/TalvoDeviceFixture.h"

#include "outside/addrlink/EtsObjekt.h"

#include <QDir>

#include <filesystem>

namespace previewtest {

TalvoDeviceFixture::TalvoDeviceFixture()
{
    mainWindow.SetDevice(&device);
    system = &Make<TTalvoSystem>(0, "Talvo Tastsensor 10fach", 4711, -1, SystemHandle, false);
    device.SetDevice(system);
    display = &Make<TTalvoDisplay>(SystemHandle, "Display", 2);
    schaltuhr = &Make<TSchaltuhr>(SystemHandle, "Schaltuhr 1", 1, 50);
    Make<TTastsensorFunktion>(SystemHandle, "Tastsensor", 3);
    imageFolder = (dataModule.Dir().path() / "PreviewImages").string();
    std::filesystem::create_directories(imageFolder);
}

void TalvoDeviceFixture::BuildKeys(int keys, std::initializer_list<int> modes)
{
    betaetigung = &Make<TTsBetaetigung>(3, "Bet\xE4tigung", keys, BetaetigungHandle);
    TDatenStruktur& record = *device.GetDatenSatz(betaetigung);
    int pair = 1;
    for (const int mode : modes)
        record.ParamAt(2 + pair++) = mode;
    betaetigung->InitFromDB(record);
    pair = 1;
    for (const int mode : modes) {
        if (mode == 1) {
            Make<TTsTaste>(BetaetigungHandle, "Taste " + std::to_string(2 * pair - 1), 2 * pair - 1, 20 + 2 * pair - 1);
            Make<TTsTaste>(BetaetigungHandle, "Taste " + std::to_string(2 * pair), 2 * pair, 20 + 2 * pair);
        } else if (mode == 2) {
            Make<TTsWippe>(BetaetigungHandle, "Wippe " + std::to_string(pair), pair, 40 + pair);
        }
        ++pair;
    }
}

void TalvoDeviceFixture::WritePictures(bool devicePicture, bool displayPicture)
{
    const QDir folder(QString::fromStdString(imageFolder));
    if (devicePicture) {
        ASSERT_TRUE(Picture(160, 301, 0xD0D0D0).save(folder.filePath(QString::number(TypeNumber) + ".bmp"), "BMP"));
    }
    if (displayPicture) {
        ASSERT_TRUE(Picture(120, 16, 0x783A1C).save(folder.filePath("SmallDisplay.bmp"), "BMP"));
    }
}

TEtsObjekt& TalvoDeviceFixture::Objekt(std::int32_t parent, std::int32_t handle)
{
    return Make<TEtsObjekt>(parent, "Schalten", 0, 0, 1, 0, 100, 1, 0, 10, 2, 0, handle);
}

std::unique_ptr<TPreviewManagerTalvo> TalvoDeviceFixture::MakePreview()
{
    return std::make_unique<TPreviewManagerTalvo>(&frame, target.handle(), &device, imageFolder, TypeNumber);
}

const TImageButton* TalvoDeviceFixture::ButtonOf(const TPreviewManagerTalvo& preview, int identifier) const
{
    for (const TPreviewData& element : preview.GetElements())
        if (element.Identifier == identifier) {
            const TPreviewImage* image = preview.GetWindow()->FindImage(element.ImageId);
            return image ? image->FindButton(element.ButtonId) : nullptr;
        }
    return nullptr;
}

std::string TalvoDeviceFixture::LineText(const TPreviewManagerTalvo& preview, int line) const
{
    for (const TPreviewData& element : preview.GetElements())
        if (element.Identifier == line + 1)
            return element.Line ? element.Line->GetText() : "(no line)";
    return "(none)";
}

} // namespace previewtest
