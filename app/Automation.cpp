#include "app/Automation.h"

#include "app/AutomationEditing.h"
#include "app/DataModule.h"
#include "app/FormMain.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/Cp1252.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QWidget>

#include <cstdlib>
#include <sstream>

bool TAutomation::Enabled()
{
    const char* value = std::getenv("PANELCONF_AUTOMATION");
    return value != nullptr && std::string(value) == "1";
}

TAutomation::TAutomation(QWidget* mainWindow, TEts2Cdi_Extended1& link)
    : QObject(mainWindow), mainWindow_(mainWindow), link_(link), inner_(platform::Ui()), installed_(*this),
      input_(*mainWindow)
{
}

TAutomation::~TAutomation() = default;

int TAutomation::FirstButton(unsigned style)
{
    switch (style & 0x0F) {
    case platform::MB_ABORTRETRYIGNORE: return platform::IDABORT;
    case platform::MB_YESNOCANCEL:
    case platform::MB_YESNO: return platform::IDYES;
    case platform::MB_RETRYCANCEL: return platform::IDRETRY;
    default: return platform::IDOK;
    }
}

int TAutomation::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    int answer = FirstButton(style);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    link_.SendToHost(QJsonObject{{"type", "box"},
                                 {"text", platform::ToQString(text)},
                                 {"caption", platform::ToQString(caption)},
                                 {"flags", static_cast<int>(style)},
                                 {"answer", answer}});
    return answer;
}

int TAutomation::ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                                      const std::string& /*file*/, std::int32_t /*line*/, const std::string& /*function*/,
                                      unsigned style)
{
    return MessageBox(detail.empty() ? text : text + "\n" + detail, caption, style);
}

platform::TCursor TAutomation::ScreenCursor() const
{
    return inner_.ScreenCursor();
}

void TAutomation::SetScreenCursor(platform::TCursor cursor)
{
    inner_.SetScreenCursor(cursor);
}

void TAutomation::StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel)
{
    inner_.StartProgress(info, std::move(onCancel));
}

void TAutomation::SetProgress(std::int32_t step, const platform::TProgressInfo& info)
{
    inner_.SetProgress(step, info);
}

void TAutomation::StopProgress()
{
    inner_.StopProgress();
}

int TAutomation::ShowModal(QDialog& /*dialog*/)
{
    if (answers_.empty())
        return platform::IDCANCEL;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool TAutomation::InputQuery(const std::string& /*caption*/, const std::string& /*prompt*/, std::string& /*value*/)
{
    return false;
}

bool TAutomation::TakeFile(platform::TFileDialogInfo& info)
{
    if (files_.empty())
        return false;
    const std::string file = files_.front();
    files_.pop_front();
    if (file.empty())
        return false;
    info.FileName = file;
    return true;
}

bool TAutomation::OpenFileDialog(platform::TFileDialogInfo& info)
{
    return TakeFile(info);
}

bool TAutomation::SaveFileDialog(platform::TFileDialogInfo& info)
{
    return TakeFile(info);
}

bool TAutomation::ShellOpen(const std::string& /*file*/, const std::string& /*parameters*/)
{
    return false;
}

std::string TAutomation::Run(const std::string& command, const std::string& argument)
{
    if (command == "trigger") {
        QAction* action = DM != nullptr ? DM->ActionList1.Find(QString::fromStdString(argument)) : nullptr;
        if (action == nullptr)
            return "no command " + argument;
        if (!action->isEnabled())
            return "the command " + argument + " is disabled";
        action->trigger();
        return {};
    }
    if (command == "answers") {
        std::istringstream list(argument);
        for (std::string item; std::getline(list, item, ',');)
            answers_.push_back(std::atoi(item.c_str()));
        return {};
    }
    if (command == "files") {
        files_.push_back(argument == "cancel" ? std::string() : argument);
        return {};
    }
    if (command == "grab") {
        const QString path = QString::fromStdString(argument);
        QDir().mkpath(QFileInfo(path).absolutePath());
        return mainWindow_->grab().save(path) ? std::string() : "cannot write " + argument;
    }
    if (command == "type")
        return input_.Type(QString::fromStdString(argument));
    if (command == "key")
        return input_.Key(argument);
    if (command == "select" || command == "set" || command == "click") {
        auto* main = dynamic_cast<TFormMain*>(mainWindow_);
        if (main == nullptr)
            return "no main window";
        // Names and captions are the program's text; the host sends UTF-8.
        const std::string text = platform::Utf8ToCp1252(argument);
        if (command == "select")
            return AutomationEditing::SelectObject(*main, text);
        if (command == "click")
            return AutomationEditing::Click(*main, input_, text);
        return AutomationEditing::SetCell(*main, input_, text);
    }
    return "no ui command " + command;
}

void TAutomation::Command(const QJsonObject& message)
{
    const std::string failure = Run(message.value(QStringLiteral("command")).toString().toStdString(),
                                    message.value(QStringLiteral("arg")).toString().toStdString());
    link_.SendToHost(QJsonObject{
        {"type", "uiDone"}, {"ok", failure.empty()}, {"text", QString::fromStdString(failure)}});
}
