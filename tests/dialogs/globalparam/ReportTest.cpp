#include "dialogs/project/DlgGlobalParameterStatus.h"
#include "dialogs/project/GlobalParameterReport.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/RichText.h"
#include "tests/dialogs/globalparam/RunFixture.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace globalparamtest;
namespace fs = std::filesystem;

SDeviceData Made(std::uint16_t address, const std::string& name, std::uint8_t status, const std::string& message)
{
    SDeviceData device;
    device.PhysAddress = address;
    device.Name = name;
    device.Status = status;
    device.Message = message;
    return device;
}

// One run's devices: one changed, two not (a long name among them).
class Report : public RunFixture {
protected:
    Report()
        : devices_{Made(0x1102, "Tastsensor Wohnen", gpsOk, ""),
                   Made(0x1211, "Tastsensor Badezimmer oben links", gpsFehler,
                        "Unterer Temperaturwert 34,0 nicht unter oberem 30,0: nicht \xFC""bernommen"),
                   Made(0, "Kueche", gpsKeineGleichartige, "")}
    {
        for (SDeviceData& device : devices_)
            chosen_.push_back(&device);
    }
    std::unique_ptr<TDlgGlobalParameterStatus> Open()
    {
        return std::make_unique<TDlgGlobalParameterStatus>(nullptr, &main_, &object_, chosen_, table_);
    }
    std::string Text(const QTextEdit& edit) { return platform::FromQString(edit.toPlainText()); }

    std::vector<SDeviceData> devices_;
    std::vector<SDeviceData*> chosen_;
    std::vector<std::string> table_{"+--+", "|ab|", "+--+"};
};

TEST_F(Report, PlainTextOfARun)
{
    QTextDocument document;
    TGlobalParameterReportHeader header{"2026-12-11 01:02:03", "Talvo Demo", "Flur", "Eingang\r\nunten", "1.2", "SX"};
    TGlobalParameterReport(document).Fill(header, "Raumtemperaturmessung", table_, chosen_);
    const std::string expected = "Globale Parameter\n"
                                 "\n"
                                 "2026-12-11 01:02:03\n"
                                 "\n"
                                 "Projekt: Talvo Demo\n"
                                 "Ger\xE4t: Flur\n"
                                 "Beschreibung: Eingang unten\n"
                                 "Version: 1.2\n"
                                 "SX\n"
                                 "\n"
                                 "\n"
                                 "Raumtemperaturmessung\n"
                                 "\n"
                                 "+--+\n|ab|\n+--+\n"
                                 "\n"
                                 "\n"
                                 "Erfolgreich ge\xE4nderte Produkte:\n"
                                 "01.01.002 Tastsensor Wohnen     Ok  \n"
                                 "\n"
                                 "\n"
                                 "Nicht ge\xE4nderte Produkte:\n"
                                 "01.02.017 Tastsensor Badezimmer oben links  Fehler  Unterer Temperaturwert 34,0 "
                                 "nicht unter oberem 30,0: nicht \xFC""bernommen\n"
                                 "-.-.- Kueche                Keine gleichartige Parametrierung gefunden!  \n";
    EXPECT_EQ(platform::FromQString(document.toPlainText()), expected);
}

TEST_F(Report, NoChangedDeviceShowsDashesAndTheColoursAreGreenAndRed)
{
    QTextDocument document;
    TGlobalParameterReport(document).Fill({}, "F", {}, {chosen_[1]});
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Produkte:\n---\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("bernommen\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Beschreibung: -\n")));

    QTextDocument both;
    TGlobalParameterReport(both).Fill({}, "F", {}, chosen_);
    auto colourOf = [&both](const QString& word) {
        QTextCursor cursor(&both);
        cursor.setPosition(both.toPlainText().indexOf(word) + 1);
        return cursor.charFormat().foreground().color();
    };
    EXPECT_EQ(colourOf(QStringLiteral("Ok  ")), QColor(0, 0x80, 0));
    EXPECT_EQ(colourOf(QStringLiteral("Fehler")), QColor(0xFF, 0, 0));
    EXPECT_EQ(colourOf(QStringLiteral("Tastsensor Wohnen")), QColor(Qt::black));
}

struct VersionCase {
    const char* version;
    int parts;
    const char* text;
};

class FormatedVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FormatedVersion, Parts)
{
    std::string text = "alt";
    GetFormatedVersion(GetParam().version, GetParam().parts, text);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(GlobalParam, FormatedVersion,
                         ::testing::Values(VersionCase{"2.1.0.14", 2, "2.1"}, VersionCase{"3", 2, "3.0"},
                                           VersionCase{"2.1.0.14", 4, "2.1.0.14"}, VersionCase{"", 2, ""},
                                           VersionCase{"2.1", 0, ""}, VersionCase{"2.1", 5, ""},
                                           VersionCase{"x", 2, ""}));

TEST_F(Report, TheDialogShowsTheReportAndAlwaysAnswersOne)
{
    auto dialog = Open();
    const std::string text = Text(*dialog->RichEdit);
    EXPECT_EQ(text.rfind("Globale Parameter\n", 0), 0u);
    EXPECT_NE(text.find("Projekt: Talvo Demo"), std::string::npos);
    EXPECT_NE(text.find(device_->GetVersion()), std::string::npos);
    EXPECT_TRUE(dialog->BtnSaveAs->isEnabled());
    EXPECT_TRUE(dialog->BtnPrint->isEnabled());
    dialog->show();
    dialog->close();
    EXPECT_EQ(dialog->result(), 1) << "the close box";
    EXPECT_EQ(dialog->ShowModal(), 1);
}

TEST_F(Report, WithoutDevicesTheButtonsStayOff)
{
    chosen_.clear();
    auto dialog = Open();
    EXPECT_TRUE(dialog->RichEdit->toPlainText().isEmpty());
    EXPECT_FALSE(dialog->BtnSaveAs->isEnabled());
    EXPECT_FALSE(dialog->BtnPrint->isEnabled());
}

struct SaveCase {
    const char* name;
    const char* chosen;
    const char* written;
    bool plainText;
};

class Saving : public Report, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(Saving, TheExtensionTellsTheKind)
{
    auto dialog = Open();
    const std::string folder = project_.Folder();
    ui_.AnswerFile(folder + GetParam().chosen);
    dialog->BtnSaveAs->click();
    ASSERT_EQ(ui_.fileDialogs().size(), 1u);
    EXPECT_EQ(ui_.fileDialogs()[0].FilterIndex, 2);
    EXPECT_EQ(ui_.fileDialogs()[0].Filter,
              "Alle Dateien (*.*)|*.*|RTF-Dateien (*.rtf)|*.rtf|Text-Dateien (*.txt)|*.txt");
    EXPECT_EQ(ui_.fileDialogs()[0].FileName, main_.Folder + "GlobalParameterStatus.rtf");
    const std::string path = folder + GetParam().written;
    ASSERT_TRUE(fs::exists(path));
    const std::string saved = platform::ReadWholeFile(path);
    QTextDocument read;
    platform::ReadRtf(saved, read);
    EXPECT_EQ(read.toPlainText(), dialog->RichEdit->toPlainText());
    EXPECT_EQ(saved.rfind("{\\rtf", 0) == 0, !GetParam().plainText);
    if (GetParam().plainText) {
        EXPECT_NE(saved.find("Produkte:\r\n"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(GlobalParam, Saving,
                         ::testing::Values(SaveCase{"Rtf", "bericht.rtf", "bericht.rtf", false},
                                           SaveCase{"Txt", "bericht.txt", "bericht.txt", true},
                                           SaveCase{"TxtInCapitals", "bericht.TXT", "bericht.TXT", true},
                                           SaveCase{"NoExtension", "bericht", "bericht.rtf", false},
                                           SaveCase{"OtherExtension", "bericht.doc", "bericht.rtf", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Report, AFileThatCannotBeWrittenIsTold)
{
    auto dialog = Open();
    const std::string path = project_.Folder() + "fehlt/bericht.rtf";
    ui_.AnswerFile(path);
    dialog->BtnSaveAs->click();
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Fehler beim Schreiben der Datei.\n" + path);
    EXPECT_EQ(ui_.boxes()[0].caption, "Hinweis");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(Report, PrintsToAPdfWithTheWideLeftMargin)
{
    auto dialog = Open();
    dialog->BtnPrint->click();
    EXPECT_EQ(dialog->Printer(), nullptr) << "cancelled set-up: nothing printed";

    const std::string pdf = ScreenshotFolder() + "/gp_report.pdf";
    fs::create_directories(ScreenshotFolder());
    fs::remove(pdf);
    ui_.OnPrinterSetup([&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    dialog->BtnPrint->click();
    ASSERT_NE(dialog->Printer(), nullptr);
    const QMarginsF margins = dialog->Printer()->pageLayout().margins(QPageLayout::Inch);
    EXPECT_DOUBLE_EQ(margins.left(), 2 * margins.top());
    EXPECT_DOUBLE_EQ(margins.top(), 0.5);
    EXPECT_DOUBLE_EQ(margins.right(), 0.5);
    EXPECT_DOUBLE_EQ(margins.bottom(), 0.5);
    EXPECT_EQ(dialog->Printer()->docName(), QStringLiteral("Status \"Globale Parameter\""));
    EXPECT_EQ(dialog->RichEditDrucken->toPlainText(), dialog->RichEdit->toPlainText());
    EXPECT_GT(fs::file_size(pdf), 1000u);
}

TEST_F(Report, Screenshot)
{
    auto dialog = Open();
    dialog->show();
    SaveScreenshot(*dialog, "gp_report.png");
}

} // namespace
