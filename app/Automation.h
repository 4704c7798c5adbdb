#pragma once

#include "app/AutomationInput.h"
#include "platform/UiService.h"

#include <QObject>

#include <deque>
#include <string>

class QJsonObject;
class QWidget;
class TEts2Cdi_Extended1;

// The hooks through which the host drives a running editor, there only with
// PANELCONF_AUTOMATION=1: commands triggered by name, answers for the message boxes to come,
// files for the file dialogs to come, and pictures of the main window. While it lives it is the
// program's UI service: every message box is reported to the host with the answer it took (a
// queued one, or its first button) and none blocks; file dialogs take the queued files.
class TAutomation : public QObject, public platform::TUiService {
public:
    // True when the environment asks for the hooks.
    static bool Enabled();

    TAutomation(QWidget* mainWindow, TEts2Cdi_Extended1& link);
    ~TAutomation() override;

    // A ui message of the host: trigger <action>, answers <n,m,…>, files <path|cancel>,
    // grab <png>, select <object name>, click <tree node or grid row caption>, type <text>, key <key name>,
    // set <row caption>=<value>; answered with uiDone {ok, text}. Clicks and keys take the
    // road of a person's.
    void Command(const QJsonObject& message);

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    platform::TCursor ScreenCursor() const override;
    void SetScreenCursor(platform::TCursor cursor) override;
    void StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel) override;
    void SetProgress(std::int32_t step, const platform::TProgressInfo& info) override;
    void StopProgress() override;
    int ShowModal(QDialog& dialog) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool OpenFileDialog(platform::TFileDialogInfo& info) override;
    bool SaveFileDialog(platform::TFileDialogInfo& info) override;
    bool ShellOpen(const std::string& file, const std::string& parameters) override;

    // The answer a box of the style gives without a queued one: its first button.
    static int FirstButton(unsigned style);

private:
    bool TakeFile(platform::TFileDialogInfo& info);
    // Runs one command; the text says what went wrong (empty: done).
    std::string Run(const std::string& command, const std::string& argument);

    QWidget* mainWindow_;
    TEts2Cdi_Extended1& link_;
    platform::TUiService& inner_;
    platform::TScopedUiService installed_;
    std::deque<int> answers_;
    std::deque<std::string> files_; // "" = cancel
    TAutomationInput input_;
};
