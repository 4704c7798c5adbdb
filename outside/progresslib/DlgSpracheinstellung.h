#pragma once

#include <QDialog>

#include <cstdint>
#include <map>
#include <string>

class QListWidget;

// What the language choice shows, handed over by value: its texts, the languages (extension ->
// display name, in the order of the extensions) and the messages it gives. The choice is kept in
// the settings file under [Sprache] Current.
struct RecDlgDprache {
    std::string Caption;
    std::string OkButton;
    std::string CancelButton;
    std::string Prompt;
    std::map<std::string, std::string> Languages;
    std::string RestartText;
    std::string ChangedText;
    std::string FailedText;
    std::string ErrorCaption;
    std::string WriteFailedText;
    std::string OpenFailedText;
    std::int32_t Mode = 0;
    std::string SettingsFile;
};

// The list of languages with OK and Cancel; done with 1 on OK and 2 on Cancel.
class TDlgSpracheinstellung final : public QDialog {
public:
    TDlgSpracheinstellung(const RecDlgDprache& record, const std::string& current, QWidget* parent = nullptr);

    // The extension of the selected language; empty when none is selected.
    std::string Selected() const;
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_;
};

// Lets the user choose a language and stores the choice. True when another language than the
// stored one was chosen and stored (the user is told that it takes effect at the next start);
// false on Cancel, for the same language, and when the choice could not be stored (told).
bool StartDlgSpracheinstellung(RecDlgDprache record);
