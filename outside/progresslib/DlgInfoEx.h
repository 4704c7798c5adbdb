#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

// What the information box shows, handed over by value: captions and texts, the module list
// (one module per line), the image file, and how many digits of the program version to show.
struct RecDlgInfoEx {
    std::string Caption;
    std::string Title;
    bool ShowSystemInfo = false;
    std::string VersionLabel;
    std::string Text1;
    std::string Text2;
    std::string Text3;
    std::string Text4;
    std::string Modules;
    std::string ImageFile;
    std::string OkButton;
    std::string InfoButton;
    bool ShowModules = true;
    bool ShowVersion = true;
    std::uint8_t VersionDigits = 3;
    std::string ModulesCaption;
    std::string NameColumn;
    std::string VersionColumn;
    std::string SizeColumn;
    std::string DateColumn;
    std::string TimeColumn;
    std::string SaveAsButton;
    std::string AllFilesFilter;
    std::string TextFilesFilter;
    // The program's file version ("1.2.0.7"); the box shows its first VersionDigits parts.
    std::string ProgramVersion;
};

// The information box: title, version, image and the list of installed modules.
class TDlgInfoEx final : public QDialog {
public:
    explicit TDlgInfoEx(const RecDlgInfoEx& info, QWidget* parent = nullptr);
};

// The version's first digits parts ("1.2.0.7", 3 -> "1.2.0"); all of them when it has fewer.
std::string ShortVersion(const std::string& version, int digits);

// Shows the information box modally through the UI service.
void StartDlgInfoEx(int owner, RecDlgInfoEx info);
