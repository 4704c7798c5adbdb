#pragma once

#include "dialogs/project/GlobalParameterDevice.h"

#include <QColor>
#include <QFont>

#include <string>
#include <vector>

class QTextCursor;
class QTextDocument;

// What the report's header says about the copy's source.
struct TGlobalParameterReportHeader {
    std::string TimeStamp;   // MakeDateTimeStamp
    std::string Project;
    std::string Device;
    std::string Description; // may hold CR LF
    std::string Version;     // the program's, GetFormatedVersion
    std::string DataVersion; // the edited device's data version
};

// The status report of a global-parameter copy, written as styled runs into a document: title,
// header, the copied function, the table of marked parameters, then the changed devices in
// green and the others in red, each as "address name  status  message".
class TGlobalParameterReport {
public:
    explicit TGlobalParameterReport(QTextDocument& document);

    void Fill(const TGlobalParameterReportHeader& header, const std::string& objectName,
              const std::vector<std::string>& table, const std::vector<SDeviceData*>& devices);

    // Adds text at the end in the font (none: the document's current one).
    void OutText(const std::string& text, const QFont* font, const QColor& color = Qt::black);
    // OutText, then a line break.
    void OutLine(const std::string& text, const QFont* font, const QColor& color = Qt::black);
    // An empty line in the document's own font.
    void EmptyLine();
    void AddDeviceStatus(const SDeviceData& device, const QFont& font, const QColor& color);

    // The fixed-pitch family the table and the device lines are written in.
    static QFont ReportFont(const QFont& base);
    // Colours as the settings keep them: 0x00BBGGRR.
    static QColor FromTColor(std::uint32_t color);

private:
    QTextDocument& document_;
};

// "-.-.-" for 0, else "01.02.017"; always true.
bool ReportPhysAddressToString(std::string& text, std::uint16_t address);
// The status as the report words it; always true.
bool StatusToString(std::string& text, std::uint8_t status);
// The first `parts` numbers of a version text "a.b.c.d" (missing parts count as 0) joined by
// "."; empty for an empty text, parts 0 or above 4, or a text that is no version.
void GetFormatedVersion(const std::string& version, int parts, std::string& text);
// The local time as "YYYY-MM-DD hh:mm:ss".
void MakeDateTimeStamp(std::string& text);
