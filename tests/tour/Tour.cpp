#include "tests/tour/Tour.h"

#include "tests/tour/ScreenPicture.h"

#include "app/AutomationEditing.h"
#include "app/AutomationInput.h"
#include "app/DataModule.h"
#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/support/ProgramHome.h"
#include "views/FormVerw.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tour {
namespace {

// The demo project as `etshost init` makes it.
void InitProject(const std::string& project)
{
    QProcess host;
    host.start(QStringLiteral(ETSHOST_PATH), {QStringLiteral("init"), QStringLiteral("--db"), QString::fromStdString(project)});
    ASSERT_TRUE(host.waitForFinished(60000)) << "etshost init did not finish";
    ASSERT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();
}

} // namespace

TTour::TTour(const TTourStart& start, std::string picture)
    : folder_(dir_.path().string() + "/"), home_(folder_ + "home/"), picture_(std::move(picture))
{
    QFile::remove(QString::fromStdString(picture_));
    InitProject(folder_ + "demo.ets");
    // The program's data folder as scripts/run lays it out, with the stop's serial settings.
    const std::string layout = testsupport::LayOutProgramHome(LAY_OUT_HOME, PROGRAM_BUILD_DIR, folder_ + "home");
    EXPECT_EQ(layout, "");
    platform::WriteFileAtomically(folder_ + "home/serialsetup.ini",
                                  "[DownloadRs232Options]\r\nDownloadRs232Enabled=1\r\n" + start.SerialSettings);

    dm_ = std::make_unique<TDM>(nullptr);
    for (const TTourStart::TSetting& setting : start.Settings)
        platform::WritePrivateProfileString(setting.Section, setting.Key, setting.Value, dm_->IniFileName);
    TFormMainFactories factories;
    factories.Windows = &windows_;
    factories.Previews = &previews_;
    factories.Options = &options_;
    factories.HostLink = [this](const std::string&) {
        auto link = std::make_unique<TEts2Cdi_Extended1>(folder_ + "demo.ets");
        link_ = link.get();
        return link;
    };
    main_ = std::make_unique<TFormMain>(nullptr, start.Arguments, factories);
    FormVerw = main_->NewFormVerw();
    Pump();
    // As 10 ms into the message loop.
    main_->TimerStartEditTimer();
    if (start.Device != 0) {
        Raise("EditParameters", {start.Device});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main_.get())) << "the main window is not shown";
        Pump();
    }
}

TTour::~TTour()
{
    ui_.OnModal({});
    ui_.OnProgress({});
    main_.reset();
    dm_.reset();
    FormVerw = nullptr;
}

TFormVerw& TTour::Window() const
{
    return dynamic_cast<TFormVerw&>(*main_->GetFormVerwList().front());
}

bool TTour::Trigger(const char* action) const
{
    QAction* command = DM != nullptr ? DM->ActionList1.Find(QString::fromLatin1(action)) : nullptr;
    EXPECT_NE(command, nullptr) << "no command " << action;
    if (command == nullptr)
        return false;
    EXPECT_TRUE(command->isEnabled()) << "the command " << action << " is disabled";
    if (!command->isEnabled())
        return false;
    command->trigger();
    Pump();
    return true;
}

QJsonObject TTour::Raise(const char* name, const std::vector<std::int64_t>& args)
{
    QJsonArray values;
    for (const std::int64_t value : args)
        values.append(QJsonValue(static_cast<qint64>(value)));
    const QJsonObject event{{"type", "event"}, {"name", name}, {"args", values}, {"seq", 1}};
    QJsonObject reply;
    const auto work = [this, &event, &reply] { reply = link_->RaiseEvent(event); };
    if (link_->RunEvent)
        link_->RunEvent("TEts2Cdi_Extended1", work);
    else
        work();
    Pump();
    return reply;
}

bool TTour::Select(const std::string& name) const
{
    const std::string failure = AutomationEditing::SelectObject(*main_, name);
    EXPECT_EQ(failure, "");
    Pump();
    return failure.empty();
}

TDataBasis* TTour::Object(const std::string& name) const
{
    for (const auto& [handle, object] : main_->AktDevInst->GetDataPointerMap())
        if (object != nullptr && object->GetName(false) == name)
            return object;
    ADD_FAILURE() << "no object " << name;
    return nullptr;
}

bool TTour::SetCell(const std::string& assignment) const
{
    TAutomationInput input(*main_);
    const std::string failure = AutomationEditing::SetCell(*main_, input, assignment);
    EXPECT_EQ(failure, "");
    Pump();
    return failure.empty();
}

void TTour::Grab(const QPixmap& picture)
{
    QDir().mkpath(QFileInfo(QString::fromStdString(picture_)).absolutePath());
    grabbed_ = !picture.isNull() && picture.save(QString::fromStdString(picture_));
    EXPECT_TRUE(grabbed_) << "cannot save " << picture_;
}

void TTour::Grab(QWidget& window)
{
    EXPECT_TRUE(window.isVisible()) << "the window to grab is not shown";
    EXPECT_TRUE(CaptionFits(window)) << "the caption \"" << window.windowTitle().toStdString() << "\" is cut";
    Grab(ScreenPicture());
}

void TTour::GrabWith(QWidget& window, QWidget& over)
{
    EXPECT_TRUE(window.isVisible() && over.isVisible()) << "the windows to grab are not shown";
    Grab(ScreenPicture());
}

void TTour::GrabMenu(const char* name)
{
    QMenu* menu = main_->GetMenu(name);
    ASSERT_NE(menu, nullptr) << name;
    ASSERT_TRUE(menu->menuAction()->isVisible()) << name;
    QMenuBar* bar = main_->menuBar();
    bar->setActiveAction(menu->menuAction());
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    Pump();
    Grab(ScreenPicture());
    menu->hide();
    Pump();
}

bool TTour::GrabModal(const char* action, const std::function<void(QWidget&)>& prepare, int answer)
{
    ui_.OnModal([this, prepare, answer](QWidget& shown) {
        if (grabbed_)
            return TTourUi::Escape;
        if (prepare)
            prepare(shown);
        Pump();
        Grab(shown);
        return answer;
    });
    return Trigger(action);
}

} // namespace tour
