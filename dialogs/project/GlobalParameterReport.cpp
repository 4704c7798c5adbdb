#include "dialogs/project/GlobalParameterReport.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

constexpr std::uint32_t Green = 0x008000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr double TitlePoints = 14;

std::string Padded(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

QFont Styled(QFont font, bool bold, bool underline)
{
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

TGlobalParameterReport::TGlobalParameterReport(QTextDocument& document) : document_(document) {}

QFont TGlobalParameterReport::ReportFont(const QFont& base)
{
    // "Courier New" where it is; a fixed-pitch family anywhere, so that the table lines up.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() : 10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QColor TGlobalParameterReport::FromTColor(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void TGlobalParameterReport::OutText(const std::string& text, const QFont* font, const QColor& color)
{
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format = cursor.charFormat();
    if (font) {
        format.setFont(*font, QTextCharFormat::FontPropertiesAll);
        format.setForeground(color);
    }
    cursor.insertText(platform::ToQString(text), format);
}

void TGlobalParameterReport::OutLine(const std::string& text, const QFont* font, const QColor& color)
{
    OutText(text, font, color);
    EmptyLine();
}

void TGlobalParameterReport::EmptyLine()
{
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setFont(document_.defaultFont(), QTextCharFormat::FontPropertiesAll);
    cursor.insertBlock(QTextBlockFormat(), format);
}

void TGlobalParameterReport::AddDeviceStatus(const SDeviceData& device, const QFont& font, const QColor& color)
{
    std::string address;
    std::string status;
    ReportPhysAddressToString(address, device.PhysAddress);
    StatusToString(status, device.Status);
    OutText(address + " " + Padded(device.Name, 20) + "  ", &font, Qt::black);
    OutLine(status + "  " + device.Message, &font, color);
}

void TGlobalParameterReport::Fill(const TGlobalParameterReportHeader& header, const std::string& objectName,
                                  const std::vector<std::string>& table, const std::vector<SDeviceData*>& devices)
{
    const QFont base = document_.defaultFont();
    const QFont report = ReportFont(base);
    QFont title = Styled(report, true, true);
    title.setPointSizeF(TitlePoints);
    OutLine(Spredit::Text9290, &title);
    EmptyLine();

    const QFont bold = Styled(report, true, false);
    OutLine(header.TimeStamp, &bold);
    EmptyLine();
    OutLine(Spredit::Text9226 + ": " + header.Project, &bold);
    OutLine(Spredit::Text9037 + ": " + header.Device, &bold);
    std::string description = header.Description;
    for (std::size_t at = description.find("\r\n"); at != std::string::npos; at = description.find("\r\n", at + 1))
        description.replace(at, 2, " ");
    OutLine(Spredit::Text9259 + ": " + (description.empty() ? std::string("-") : description), &bold);
    OutLine(Spredit::Text9243 + ": " + header.Version, &bold);
    OutLine(header.DataVersion, &bold);
    EmptyLine();
    EmptyLine();

    const QFont function = Styled(report, true, true);
    OutLine(objectName, &function);
    EmptyLine();
    for (const std::string& line : table)
        OutLine(line, &report);
    EmptyLine();
    EmptyLine();

    std::vector<const SDeviceData*> changed;
    std::vector<const SDeviceData*> others;
    for (const SDeviceData* device : devices) {
        if (device)
            (device->Status == gpsOk ? changed : others).push_back(device);
    }
    const QFont heading = Styled(base, true, true);
    auto section = [&](const std::string& caption, const std::vector<const SDeviceData*>& list, std::uint32_t color) {
        OutLine(caption, &heading);
        for (const SDeviceData* device : list)
            AddDeviceStatus(*device, report, FromTColor(color));
        if (list.empty())
            OutLine("---", &report);
    };
    section(Spredit::Text9267, changed, Green);
    EmptyLine();
    EmptyLine();
    section(Spredit::Text9268, others, Red);
}

bool ReportPhysAddressToString(std::string& text, std::uint16_t address)
{
    return PhysAddressToString(text, address, '.');
}

bool StatusToString(std::string& text, std::uint8_t status)
{
    switch (status) {
    case gpsNichtBearbeitet: text = Spredit::Text9288; break;
    case gpsNichtKompatibel: text = Spredit::Text9289; break;
    case gpsKeineGleichartige: text = Spredit::Text9296; break;
    case gpsOk: text = Spredit::Text9300; break;
    default: text = Spredit::Text9048; break;
    }
    return true;
}

void GetFormatedVersion(const std::string& version, int parts, std::string& text)
{
    text.clear();
    if (version.empty() || parts <= 0 || parts > 4)
        return;
    const std::string padded = version + ".0.0.0";
    int numbers[4] = {};
    if (std::sscanf(padded.c_str(), "%d.%d.%d.%d", &numbers[0], &numbers[1], &numbers[2], &numbers[3]) != 4)
        return;
    for (int i = 0; i < parts; ++i)
        text += (i > 0 ? "." : "") + std::to_string(numbers[i]);
}

void MakeDateTimeStamp(std::string& text)
{
    const QDateTime now = QDateTime::currentDateTime();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", now.date().year(), now.date().month(),
                  now.date().day(), now.time().hour(), now.time().minute(), now.time().second());
    text = buffer;
}
