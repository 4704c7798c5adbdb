#include "host/DemoProject.h"
#include "host/ProductTemplate.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostdata/EtsProgressDialog.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "outside/progresslib/DlgProgress.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using CallKind = testsupport::ScriptedUi::CallKind;

constexpr std::int32_t Wohnen = 2;

const host::TTemplateParameter* Find(int displayOrder)
{
    for (const host::TTemplateParameter& parameter : host::ProductTemplate())
        if (parameter.DisplayOrder == displayOrder)
            return &parameter;
    return nullptr;
}

// The objects of one value of a parameter: number -> type.
std::map<int, int> ObjectsOf(int displayOrder, int value)
{
    std::map<int, int> objects;
    if (const host::TTemplateParameter* parameter = Find(displayOrder))
        for (const host::TTemplateObject& object : parameter->Objects)
            if (object.Value == value)
                objects[object.Number] = object.Type;
    return objects;
}

TEST(ProductTemplate, TheDisplayOrdersAreUniqueAndAscendingWithDefaultsOfNoObjects)
{
    int previous = 0;
    for (const host::TTemplateParameter& parameter : host::ProductTemplate()) {
        EXPECT_LT(previous, parameter.DisplayOrder);
        previous = parameter.DisplayOrder;
        EXPECT_EQ(0, parameter.DefaultValue) << parameter.DisplayOrder;
        EXPECT_FALSE(parameter.Objects.empty()) << parameter.DisplayOrder;
        std::set<std::pair<int, int>> seen; // value, number
        for (const host::TTemplateObject& object : parameter.Objects) {
            EXPECT_GT(object.Value, 0);
            EXPECT_TRUE(seen.insert({object.Value, object.Number}).second) << parameter.DisplayOrder;
            EXPECT_GE(object.Type, 0);
            EXPECT_LE(object.Type, 15);
        }
    }
}

TEST(ProductTemplate, TheObjectsTheFunctionsRelyOnAreThere)
{
    // The fixed objects of a new device; time and date with and without the clock.
    EXPECT_EQ((std::map<int, int>{{57, 9}}), ObjectsOf(3300, 1));
    EXPECT_EQ((std::map<int, int>{{57, 9}}), ObjectsOf(3300, 2));
    EXPECT_EQ((std::map<int, int>{{58, 9}}), ObjectsOf(3305, 1));
    EXPECT_EQ((std::map<int, int>{{58, 9}}), ObjectsOf(3305, 2));
    EXPECT_FALSE(ObjectsOf(4100, 1).empty());
    // The objects whose flag cells the extension unit enables.
    const std::map<int, int> flagCells = {{3050, 28}, {3060, 32}, {3260, 52}, {3070, 33},
                                          {3100, 36}, {3110, 37}, {3120, 38}, {3240, 50}};
    for (const auto& [displayOrder, number] : flagCells)
        EXPECT_TRUE(ObjectsOf(displayOrder, displayOrder == 3050 || displayOrder == 3100 ? 3 : 2).contains(number))
            << displayOrder;
    // The temperature alarms.
    EXPECT_TRUE(ObjectsOf(4500, 1).contains(79));
    EXPECT_TRUE(ObjectsOf(4550, 1).contains(80));
    // Every value the controller sets has its objects.
    for (int value = 1; value <= 12; ++value)
        EXPECT_EQ(1u, ObjectsOf(3160, value).size()) << value;
    for (int value = 1; value <= 7; ++value)
        EXPECT_EQ(1u, ObjectsOf(3200, value).size()) << value;
    for (int value = 1; value <= 6; ++value) {
        EXPECT_EQ(1u, ObjectsOf(3170, value).size()) << value;
        EXPECT_EQ(1u, ObjectsOf(3180, value).size()) << value;
    }
    for (int value = 1; value <= 5; ++value)
        EXPECT_EQ(1u, ObjectsOf(3220, value).size()) << value;
    // Keys, rockers, their states, time switches, the room-temperature time switch, the scenes.
    for (int key = 1; key <= 10; ++key) {
        EXPECT_EQ(2u, ObjectsOf(100 * key, 1).size()) << key;
        EXPECT_EQ(1u, ObjectsOf(4610 + 10 * (key - 1), 1).size()) << key;
    }
    for (int rocker = 1; rocker <= 5; ++rocker) {
        EXPECT_EQ(2u, ObjectsOf(2100 + 100 * (rocker - 1), 1).size()) << rocker;
        EXPECT_EQ(1u, ObjectsOf(1700 + 10 * (rocker - 1), 1).size()) << rocker;
    }
    for (int displayOrder : {3510, 3520, 3530, 3540, 3600, 4060, 3000, 3010, 3030, 3040, 3080, 3090, 3130, 3140,
                             3150, 3190, 3210, 3230, 3250, 3270, 3280})
        EXPECT_FALSE(ObjectsOf(displayOrder, 1).empty()) << displayOrder;
}

// A project as etshost init makes it, with its host link and device-parameter object.
class DeviceParamTest : public ::testing::Test {
protected:
    DeviceParamTest() : path_(dir_.file("demo.ets"))
    {
        host::TProjectDatabase::CreateFile(path_, [&](host::TSqlDatabase& db) {
            host::FillDemoProject(db, dir_.path().string() + "/");
            host::FillProductTemplate(db, 1);
        });
        link_ = std::make_unique<TEts2CdiFaults>(path_);
        parameters_ = std::make_unique<TEtsDeviceParam>(link_.get(), Wohnen);
    }

    std::int64_t Query(const std::string& sql)
    {
        host::TProjectDatabase project(path_);
        host::TSqlStatement query(project.Sql(), sql);
        return query.Step() ? query.Int64(0) : -99;
    }
    void Execute(const std::string& sql)
    {
        host::TProjectDatabase project(path_);
        project.Sql().Execute(sql);
    }
    std::vector<int> Numbers(const std::list<tagDAL_OBJECT_INFO>& objects)
    {
        std::vector<int> numbers;
        for (const tagDAL_OBJECT_INFO& object : objects)
            numbers.push_back(object.ObjectNumber);
        return numbers;
    }
    std::int64_t DeviceParamId(int displayOrder)
    {
        return Query("SELECT dp.id FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id "
                     "WHERE dp.device_id = 2 AND p.display_order = " + std::to_string(displayOrder));
    }

    testsupport::TempDir dir_;
    std::string path_;
    std::unique_ptr<TEts2CdiFaults> link_;
    std::unique_ptr<TEtsDeviceParam> parameters_;
};

TEST_F(DeviceParamTest, EveryDeviceHasTheParametersWithoutObjects)
{
    EXPECT_EQ(static_cast<std::int64_t>(host::ProductTemplate().size()) + 3,
              Query("SELECT count(*) FROM device_parameter WHERE device_id = 1"));
    EXPECT_EQ(0, Query("SELECT count(*) FROM device_object"));
    std::int32_t value = -1;
    std::list<tagDAL_OBJECT_INFO> objects;
    EXPECT_EQ(DEVICE_PARAM_OK, parameters_->GetDeviceParamData(3300, value, objects));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(objects.empty());
}

TEST_F(DeviceParamTest, SettingAValueMakesItsObjectsAndDeliversThem)
{
    std::list<tagDAL_OBJECT_INFO> objects;
    ASSERT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData(4100, 1, objects));
    ASSERT_EQ((std::vector<int>{59, 60}), Numbers(objects));
    const tagDAL_OBJECT_INFO& text = objects.front();
    EXPECT_EQ("Anzeige Text", text.Name);
    EXPECT_EQ("Empfangen", text.FunctionText);
    EXPECT_EQ(1, text.ParameterValue);
    EXPECT_EQ(14, text.ObjectType);
    EXPECT_EQ(DeviceParamId(4100), text.DeviceParamId);
    EXPECT_EQ(Query("SELECT id FROM parameter WHERE display_order = 4100"), text.ParameterId);
    EXPECT_EQ(Query("SELECT id FROM device_object WHERE number = 59"), text.DeviceObjectId);
    EXPECT_EQ(Query("SELECT comm_object_id FROM device_object WHERE number = 59"), text.CommObjectId);
    EXPECT_EQ(1, Query("SELECT comm_flag FROM device_object WHERE number = 59"));
    EXPECT_EQ(1, Query("SELECT active FROM device_object WHERE number = 59"));
    EXPECT_EQ(0, Query("SELECT count(*) FROM device_object WHERE device_id <> 2"));

    std::int32_t value = 0;
    std::list<tagDAL_OBJECT_INFO> again{tagDAL_OBJECT_INFO{}};
    EXPECT_EQ(DEVICE_PARAM_OK, parameters_->GetDeviceParamData(4100, value, again));
    EXPECT_EQ(1, value);
    EXPECT_EQ((std::vector<int>{0, 59, 60}), Numbers(again)); // appended
}

TEST_F(DeviceParamTest, AnotherValueReplacesTheObjectsAndTheirLinks)
{
    std::list<tagDAL_OBJECT_INFO> objects;
    ASSERT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData(3300, 1, objects));
    const std::int32_t first = objects.front().DeviceObjectId;
    Execute("INSERT INTO sub_to_object (sub_group_id, device_object_id) VALUES (1, " + std::to_string(first) + ")");
    EXPECT_EQ(CO_PARAMETER_SET, link_->CoSetDeviceParameterValueLong(static_cast<std::int32_t>(DeviceParamId(3300)), 1,
                                                                     false, false));
    EXPECT_EQ(1, Query("SELECT count(*) FROM sub_to_object"));

    objects.clear();
    ASSERT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData(3300, 2, objects));
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ("Senden", objects.front().FunctionText);
    EXPECT_EQ(2, objects.front().ParameterValue);
    EXPECT_EQ(0, Query("SELECT count(*) FROM sub_to_object"));
    EXPECT_EQ(1, Query("SELECT count(*) FROM device_object WHERE device_id = 2"));

    objects.clear();
    ASSERT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData(3300, 0, objects));
    EXPECT_TRUE(objects.empty());
    EXPECT_EQ(0, Query("SELECT count(*) FROM device_object"));
    EXPECT_EQ(0, Query("SELECT value FROM device_parameter WHERE id = " + std::to_string(DeviceParamId(3300))));
}

TEST_F(DeviceParamTest, InactiveObjectsAreNotReported)
{
    std::list<tagDAL_OBJECT_INFO> objects;
    ASSERT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData(4100, 1, objects));
    Execute("UPDATE device_object SET active = 0 WHERE number = 60");
    objects.clear();
    std::int32_t value = 0;
    EXPECT_EQ(DEVICE_PARAM_OK, parameters_->GetDeviceParamData(4100, value, objects));
    EXPECT_EQ((std::vector<int>{59}), Numbers(objects));
}

TEST_F(DeviceParamTest, FailuresGiveTheirCodesAndLeaveTheOutputsAlone)
{
    std::int32_t value = 7;
    std::list<tagDAL_OBJECT_INFO> objects;
    EXPECT_EQ(DEVICE_PARAM_NOT_FOUND, parameters_->GetDeviceParamData(1234, value, objects));
    EXPECT_EQ(DEVICE_PARAM_NOT_FOUND, parameters_->SetDeviceParamData(1234, 1, objects));
    EXPECT_EQ(DEVICE_PARAM_NOT_FOUND, parameters_->SetDeviceParamData("Unbekannt", 1));
    EXPECT_EQ(7, value);

    link_->FailWrites(TCoCall::SetParameter, CO_PARAMETER_FAILED);
    EXPECT_EQ(DEVICE_PARAM_CREATE_ERROR, parameters_->SetDeviceParamData(4100, 1, objects));
    link_->Heal();
    link_->FailReads(TDalKind::DeviceObject, DAL_ERR);
    EXPECT_EQ(DEVICE_PARAM_ERROR, parameters_->GetDeviceParamData(4100, value, objects));
    link_->Heal();
    link_->FailReads(TDalKind::Parameter, DAL_ERR);
    EXPECT_EQ(DEVICE_PARAM_ERROR, parameters_->GetDeviceParamData(4100, value, objects));
    EXPECT_EQ(7, value);
    EXPECT_TRUE(objects.empty());

    const TEtsDeviceParam unlinked(nullptr, Wohnen);
    EXPECT_EQ(DEVICE_PARAM_ERROR, unlinked.GetDeviceParamData(4100, value, objects));
    EXPECT_EQ(CO_PARAMETER_FAILED, link_->CoSetDeviceParameterValueLong(999999, 1, false, false));
}

TEST_F(DeviceParamTest, AParameterIsSetByNameToo)
{
    EXPECT_EQ(DEVICE_PARAM_OK, parameters_->SetDeviceParamData("DeviceId", 1));
    std::int32_t value = 0;
    EXPECT_FALSE(parameters_->GetDeviceParamData(62, value));
    EXPECT_EQ(1, value);
}

TEST(EtsProgressDialog, ShowsPositionsWithTheTextsAndKeepsTheCancel)
{
    testsupport::ScriptedUi ui;
    ui.CancelProgressAtStep(30);
    {
        TEtsProgressDialog meter(nullptr, 2);
        EXPECT_TRUE(ui.progressOpen());
        meter.EtsMeterSetText("Import");
        meter.EtsMeterSetPosition(10);
        meter.EtsMeterSetText2("Objekt 1");
        meter.EtsMeterSetPosition(20);
        EXPECT_FALSE(meter.EtsGetAbortFlag());
        meter.EtsMeterSetText1("Ger\xE4t");
        meter.EtsMeterSetPosition(30);
        EXPECT_TRUE(meter.EtsGetAbortFlag());
        meter.EtsMeterSetPosition(400);
        EXPECT_TRUE(meter.EtsGetAbortFlag());
    }
    EXPECT_FALSE(ui.progressOpen());
    const auto steps = ui.calls(CallKind::ProgressStep);
    ASSERT_EQ(4u, steps.size());
    EXPECT_EQ(10, steps[0].value);
    EXPECT_EQ("Import", steps[0].text);
    EXPECT_EQ("Import\nObjekt 1", steps[1].text);
    EXPECT_EQ("Import\nGer\xE4t\nObjekt 1", steps[2].text);
    EXPECT_EQ(100, steps[3].value);
    EXPECT_EQ(100, steps[3].stepCount);
}

TEST(DlgProgress, ShowsTheRecordsTextsAndTellsTheOwnerOfACancel)
{
    testsupport::ScriptedUi ui;
    testsupport::RecordingWindow owner;
    RecDlgProgress progress;
    progress.Caption = "Import";
    progress.Text = "Lade Daten";
    progress.StepCount = 6;
    progress.Owner = owner.handle();
    ui.CancelProgressAtStep(2);
    StartDlgProgress(progress);
    progress.Text = "Lade Daten...\nErzeuge ETS-Objekte";
    SetDlgProgress(2, progress);
    StopDlgProgress();
    const auto calls = ui.calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(CallKind::ProgressStart, calls[0].kind);
    EXPECT_EQ("Import", calls[0].caption);
    EXPECT_EQ(6, calls[0].stepCount);
    EXPECT_EQ("Lade Daten...\nErzeuge ETS-Objekte", calls[1].text);
    EXPECT_EQ(2, calls[1].value);
    EXPECT_EQ(CallKind::ProgressStop, calls[2].kind);
    testsupport::DeliverPostedMessages();
    ASSERT_EQ(1u, owner.messages().size());
    EXPECT_EQ(WM_USER_PROGRESSCANCEL, owner.messages()[0].message);
    EXPECT_EQ(1, owner.messages()[0].lParam);
}

struct TRun {
    int ExitCode = -1;
    std::string Out;
};

TRun RunEtsHost(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ETSHOST_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(-1));
    return {process.exitCode(), process.readAllStandardOutput().toStdString()};
}

TEST(EtsHostTemplate, ADumpListsTheParametersAndTheObjectsOfTheirValues)
{
    testsupport::TempDir dir;
    const QString path = QString::fromStdString(dir.file("demo.ets"));
    ASSERT_EQ(0, RunEtsHost({"init", "--db", path}).ExitCode);
    {
        TEts2Cdi_Extended1 link(path.toStdString());
        const TEtsDeviceParam parameters(&link, Wohnen);
        std::list<tagDAL_OBJECT_INFO> objects;
        ASSERT_EQ(DEVICE_PARAM_OK, parameters.SetDeviceParamData(3300, 1, objects));
        ASSERT_EQ(DEVICE_PARAM_OK, parameters.SetDeviceParamData(4100, 1, objects));
    }
    const TRun run = RunEtsHost({"dump", "--db", path, "device", "2"});
    ASSERT_EQ(0, run.ExitCode);
    for (const char* line :
         {"  60 Typnummer = 52", "  100 Taste 1 = 0", "  3300 Uhrzeit = 1", "  3305 Datum = 0", "  4100 Anzeige = 1",
          "  4700 Status Taste 10 = 0", "  57 Uhrzeit [Empfangen]  type 9, flags C----, device object 1\n",
          "  59 Anzeige Text [Empfangen]  type 14, flags C----", "  60 Anzeige Beleuchtung [Ein/Aus]  type 0"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << run.Out;
    const TRun other = RunEtsHost({"dump", "--db", path, "device", "1"});
    EXPECT_NE(other.Out.find("Objects:\n  none\n"), std::string::npos) << other.Out;
    EXPECT_NE(other.Out.find("  3300 Uhrzeit = 0"), std::string::npos) << other.Out;
}

} // namespace
