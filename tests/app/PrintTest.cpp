#include "app/DispChar.h"
#include "app/PrintRules.h"
#include "outside/printout/SorvReport.h"
#include "outside/viewkit/CharacterCell.h"
#include "outside/viewkit/LoadS19.h"
#include "tests/app/FrameFixture.h"
#include "tests/app/SpyReports.h"
#include "tests/support/DeviceProject.h"
#include "views/TreeView.h"

#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>

#include <gmock/gmock.h>

namespace {

using frametest::RecordingFormVerw;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;
using CallKind = testsupport::ScriptedUi::CallKind;

// The demo device in the first window, whose tree shows its system object.
class PrintFixture : public frametest::FrameFixture {
protected:
    void StartWithDevice()
    {
        Start();
        device = AddDevice();
        ASSERT_NE(device, nullptr);
        TTreeNode* node = Tree.Add(device->GetDeviceName());
        node->SetData(device->GetDevice());
        node->SetImageIndex(0);
        First().Tree = &Tree;
    }

    // The main window goes before the tree and the reports' log of the test.
    void TearDown() override { Main.reset(); }

    RecordingFormVerw& First() { return *Windows.Made.at(0); }

    TTreeView Tree;
    TDeviceInstanzTalvo* device = nullptr;
};

// The print commands with reports that only log.
class PrintTest : public PrintFixture {
protected:
    void SetUp() override
    {
        Reports = &Spies;
        StartWithDevice();
    }

    const frametest::ReportLog& Log() const { return Spies.Log; }

    frametest::SpyReports Spies;
};

TEST_F(PrintTest, PreviewAndPrintDifferOnlyInThePreviewFlag)
{
    Main->SeitenVorschau();
    Main->Drucken();
    ASSERT_EQ(Log().Reports.size(), 2u);
    const auto& preview = Log().Reports[0];
    const auto& print = Log().Reports[1];
    EXPECT_TRUE(preview.Info.Preview);
    EXPECT_FALSE(print.Info.Preview);
    for (const auto* made : {&preview, &print}) {
        EXPECT_EQ(made->Items, &Tree);
        EXPECT_TRUE(made->HasGrid);
        EXPECT_EQ(made->MainWindow, Main->GetHandle());
        EXPECT_TRUE(made->HasImages);
        EXPECT_EQ(made->Info.Title, device->GetDeviceName());
        EXPECT_TRUE(made->Info.ShowHeader && made->Info.ShowTree && made->Info.ShowParameters);
        EXPECT_TRUE(made->Info.CharTable && made->Info.PageNumbers);
        EXPECT_EQ(made->Info.OutputFile, "");
    }
    EXPECT_EQ(preview.Characters.size(), print.Characters.size());
    EXPECT_EQ(preview.CharTab.Text, print.CharTab.Text);
    ASSERT_EQ(Log().Calls.size(), 5u);
    EXPECT_EQ(Log().Calls[1], "Start 0");
    EXPECT_EQ(Log().Calls[2], "Destroyed 0");
    EXPECT_EQ(Log().Calls[3].substr(11), Log().Calls[0].substr(11)); // the same header
    EXPECT_EQ(Log().Calls[4], "Start 1");
}

TEST_F(PrintTest, ASecondPrintDestroysTheFirstReportBeforeMakingItsOwn)
{
    Main->SeitenVorschau();
    Main->SeitenVorschau();
    EXPECT_NE(Main->GetReport(), nullptr);
    EXPECT_EQ(Log().Reports.size(), 2u);
    EXPECT_EQ(std::count(Log().Calls.begin(), Log().Calls.end(), "Destroyed 0"), 1);
    EXPECT_EQ(std::count(Log().Calls.begin(), Log().Calls.end(), "Destroyed 1"), 0);
}

TEST_F(PrintTest, TheHeaderAndTheCharacterTableTexts)
{
    Main->Drucken();
    ASSERT_EQ(Log().Reports.size(), 1u);
    EXPECT_EQ(Log().Calls.at(0), "SetHeader 0:Projekt: Talvo Demo\nGer\xE4t: Tastsensor Flur, Phys.Adr.: 01.01.001\n"
                                 "[Flur Eingang neben der T\xFCr]");
    const TRecCharTabInfo& table = Log().Reports[0].CharTab;
    EXPECT_EQ(table.Text, "Zeichensatz, Version 1.0, CPID: 1252");
    EXPECT_EQ(std::vector<int>({table.Columns, table.CellSize, table.Left, table.Top, table.FirstIndex,
                                table.LastIndex}),
              std::vector<int>({16, 16, 0, 0, 32, 255}));
    EXPECT_EQ(std::vector<bool>({table.ShowGrid, table.ShowIndex, table.Reserved3, table.Reserved4, table.Reserved5}),
              std::vector<bool>({true, true, false, false, false}));
    EXPECT_EQ(Log().Reports[0].Characters.size(), 256u);
}

TEST_F(PrintTest, AFlaggedCharacterSetIsMarked)
{
    std::string set = testsupport::DeviceProject::CharSet();
    set.replace(set.find("CBU:0"), 5, "CBU:1");
    device->CharSetStream = platform::TMemoryStream(set);
    Main->Drucken();
    ASSERT_EQ(Log().Reports.size(), 1u);
    EXPECT_EQ(Log().Reports[0].CharTab.Text, "Zeichensatz, Version 1.0, CPID: 1252*");
}

TEST_F(PrintTest, ADeviceWithoutCharacterDataPrintsAnEmptyTable)
{
    device->CharSetStream.Clear();
    Main->Drucken();
    ASSERT_EQ(Log().Reports.size(), 1u);
    EXPECT_THAT(Log().Reports[0].Characters, IsEmpty());
    EXPECT_EQ(Log().Reports[0].CharTab.Text, "");
    EXPECT_EQ(Log().Calls.back(), "Start 0");
}

TEST_F(PrintTest, NothingIsPrintedWithoutDeviceWindowOrTree)
{
    First().Tree = nullptr;
    Main->Drucken();
    First().Tree = &Tree;
    Main->AktDevInst = nullptr;
    Main->SeitenVorschau();
    Main->DruckeInDatei();
    EXPECT_THAT(Log().Reports, IsEmpty());
    EXPECT_THAT(Ui.fileDialogs(), IsEmpty());
}

TEST_F(PrintTest, TheReportTakesTheTreeItemsWithTheirParameters)
{
    Main->Drucken();
    const TReportContent& content = Main->GetReport()->Content();
    ASSERT_EQ(content.Items.size(), 1u);
    EXPECT_EQ(content.Items[0].Text, device->GetDeviceName());
    EXPECT_FALSE(content.Items[0].Icon.isNull());
    EXPECT_FALSE(content.Items[0].Rows.empty());
}

TEST_F(PrintTest, PrintingToAFileAsksForAPdfFile)
{
    Main->DatenPfad = "/daten/";
    Main->DruckeInDatei();
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    const platform::TFileDialogInfo& dialog = Ui.fileDialogs()[0];
    EXPECT_EQ(dialog.Title, "In Datei drucken");
    EXPECT_EQ(dialog.InitialDir, "/daten/");
    EXPECT_EQ(dialog.DefaultExt, "pdf");
    EXPECT_EQ(dialog.Filter, "Alle Dateien (*.*)|*.*|Vantu_18 (*.pdf)|*.pdf");
    EXPECT_EQ(dialog.FilterIndex, 2);
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_THAT(Log().Reports, IsEmpty()); // cancelled
}

class PdfName : public PrintTest, public testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(PdfName, TheChosenNameIsPrintedAsPdf)
{
    Ui.AnswerFile(Folder + GetParam().first);
    Main->DruckeInDatei();
    ASSERT_EQ(Log().Reports.size(), 1u);
    EXPECT_EQ(Log().Reports[0].Info.OutputFile, Folder + GetParam().second);
    EXPECT_FALSE(Log().Reports[0].Info.Preview);
}

INSTANTIATE_TEST_SUITE_P(Names, PdfName,
                         testing::Values(std::pair{"x", "x.pdf"}, std::pair{"x.txt", "x.txt.pdf"},
                                         std::pair{"X.PDF", "X.pdf"}, std::pair{"y.Pdf", "y.pdf"},
                                         std::pair{"z.vpe", "z.vpe.pdf"}, std::pair{"w.pdf", "w.pdf"}));

// The character bitmaps: one per character in code order, each pixel as the character set has it.
TEST(CharBitmaps, EveryCharacterIsPaintedBlackOnWhite)
{
    platform::TMemoryStream set(testsupport::DeviceProject::CharSet());
    set.SetPosition(set.Size());
    const TCharBitmaps bitmaps = RenderCharBitmaps(set);
    TCharacterMap characters;
    set.SetPosition(0);
    ASSERT_TRUE(LoadS19StreamToMap(&set, characters));
    ASSERT_EQ(bitmaps.size(), characters.size());
    int index = 0;
    for (const auto& [code, rows] : characters) {
        const QImage& bitmap = bitmaps.at(index++);
        ASSERT_EQ(bitmap.size(), QSize(6, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_EQ(bitmap.pixel(x, y), CharacterPixel(rows, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                    << code << " " << x << "," << y;
    }
}

// Data given column by column paints the same picture as the same character given row by row.
TEST(CharBitmaps, TheVerticalLayoutPaintsTheSameCharacter)
{
    const std::vector<std::uint32_t> rows = {0x21, 0x12, 0x0C, 0x3F, 0x00, 0x2A, 0x15, 0x33};
    std::vector<std::uint32_t> columns(6, 0);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 8; ++y)
            if (CharacterPixel(rows, x, y))
                columns[static_cast<std::size_t>(x)] |= 1u << y;
    const auto paint = [](const std::vector<std::uint32_t>& data, bool horizontal, int zoom) {
        TCanvas canvas(6 * zoom, 8 * zoom);
        TDispChar painter(&canvas);
        painter.SetZoom(zoom);
        painter.SetColor(0);
        painter.SetBackground(0xFFFFFF);
        painter.SetData(data);
        painter.SetHorizontal(horizontal);
        painter.Paint();
        return canvas.Image();
    };
    EXPECT_EQ(paint(columns, false, 1), paint(rows, true, 1));
    const QImage large = paint(rows, true, 3);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_EQ(large.pixel(x, y), CharacterPixel(rows, x / 3, y / 3) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

TEST(CharBitmaps, NoCharacterSetGivesNone)
{
    platform::TMemoryStream none;
    EXPECT_THAT(RenderCharBitmaps(none), IsEmpty());
    platform::TMemoryStream text("SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: 1252 CBU:0\r\n");
    EXPECT_THAT(RenderCharBitmaps(text), IsEmpty());
}

// The print commands with the report library's own reports.
class RealPrintTest : public PrintFixture {
protected:
    void SetUp() override { StartWithDevice(); }
};

TEST_F(RealPrintTest, PdfDruckenWritesAPdfFile)
{
    const std::string file = Folder + "report.pdf";
    Main->PdfDrucken(file);
    QFile pdf(QString::fromStdString(file));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    pdf.close();
    EXPECT_THAT(Ui.boxes(), IsEmpty());

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is missing: run scripts/setup";
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/print");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::remove(folder + QStringLiteral("/report-1.png"));
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"),
                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                             QStringLiteral("-singlefile"), QString::fromStdString(file),
                             folder + QStringLiteral("/report-1")});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/report-1.png")));
}

TEST_F(RealPrintTest, AnotherExtensionIsRefusedAndWritesNothing)
{
    const std::string file = Folder + "report.vpe";
    Main->VpeDrucken(file);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_THAT(Ui.boxes()[0].text, testing::HasSubstr(file));
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_ICONERROR);
}

TEST_F(RealPrintTest, ThePrinterDialogDecidesWhetherToPrint)
{
    Main->Drucken();
    EXPECT_EQ(Ui.calls(CallKind::PrintDialog).size(), 1u);
    EXPECT_THAT(Ui.calls(CallKind::ShowWindow), IsEmpty());
}

TEST_F(RealPrintTest, ThePreviewStaysOpenWithItsReport)
{
    Main->SeitenVorschau();
    ASSERT_EQ(Ui.shownWindows().size(), 1u);
    auto* preview = qobject_cast<QPrintPreviewDialog*>(Ui.shownWindows()[0].data());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview, Main->GetReport()->Preview());
    EXPECT_EQ(preview->windowTitle().toStdString(), device->GetDeviceName());
    EXPECT_THAT(Ui.calls(CallKind::PrintDialog), IsEmpty());
    Main->SeitenVorschau();
    EXPECT_TRUE(Ui.shownWindows()[0].isNull());
}

} // namespace
