#include "outside/datacore/EibHandle.h"
#include "tests/device/ComObjFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace comobjtest {
namespace {

using CallKind = testsupport::ScriptedUi::CallKind;

const std::string Caption = "Ets-Datenbank \xFC" "berpr\xFC" "fen.";
const std::string NotRepaired =
    "Die Datenbank konnte nicht repariert werden.\nBitte l\xF6schen Sie das Ger\xE4t und legen Sie es neu an.";
const std::string Success = "Datenbank \xDC" "berpr\xFC" "fung erfogreich beendet. | " + Caption + " | 0";
const std::string Corrected =
    "Datenbank \xDC" "berpr\xFC" "fung erfolgreich beendet.\nFehler wurden korrigiert. | " + Caption + " | 48";
const std::string Failed = NotRepaired + " | " + Caption + " | 16";

std::string Missing(int number)
{
    return "Achtung: Objekt nicht in der ETS-Datenbank gefunden.\nObjekt Nr.:" + std::to_string(number) + "\n\n" +
           NotRepaired + " | Fehler | 16";
}

std::string Surplus(int number)
{
    return "Achtung: ETS-Datenbank enth\xE4lt \xFC" "berz\xE4hlige Daten.\nObjekt Nr.:" + std::to_string(number) +
           "\n\nDatenbank wurde korrigiert. | " + Caption + " | 48";
}

// Tastsensor Wohnen with objects 57 (3300 = 1), 59 and 60 (4100 = 1), in step with the project.
class EtsCheckTest : public ComObjTest {
protected:
    EtsCheckTest() : device_(*setup_->Device)
    {
        EXPECT_TRUE(device_.AddEtsObjectByDisplayOrder(3300, 1, -500, setup_->Function, false));
        EXPECT_TRUE(device_.AddEtsObjectByDisplayOrder(4100, 1, -300, setup_->Function, false));
    }

    // The editor forgets the object: its data object and record go, the project keeps it.
    void Forget(int number)
    {
        TEtsObjekt* object = setup_->Objects().at(number);
        device_.DeleteDatenSatzAndNext(object);
        ASSERT_TRUE(device_.DeletePointerFromList(object));
    }
    std::vector<std::string> Check()
    {
        EXPECT_TRUE(device_.EtsObjektCheck());
        return BoxTexts();
    }

    ObjectsDevice& device_;
};

TEST_F(EtsCheckTest, AgreementShowsTheProgressAndOnlyTheSuccess)
{
    EXPECT_EQ((std::vector<std::string>{Success}), Check());
    const auto start = ui_.calls(CallKind::ProgressStart);
    ASSERT_EQ(1u, start.size());
    EXPECT_EQ(Caption, start[0].caption);
    EXPECT_EQ("Lade Daten", start[0].text);
    EXPECT_EQ(3, start[0].stepCount);
    const auto steps = ui_.calls(CallKind::ProgressStep);
    ASSERT_EQ(3u, steps.size());
    EXPECT_EQ(1, steps[0].value);
    EXPECT_EQ("Lade Ets Daten...", steps[0].text);
    EXPECT_EQ(3, steps[0].stepCount);
    EXPECT_EQ(2, steps[1].value);
    EXPECT_EQ("\xDC" "berpr\xFC" "fe Daten...", steps[1].text);
    EXPECT_EQ(6, steps[1].stepCount); // three object numbers
    EXPECT_EQ(3, steps[2].value);
    EXPECT_EQ(steps[1].text, steps[2].text);
    EXPECT_EQ(1u, ui_.calls(CallKind::ProgressStop).size());
    EXPECT_FALSE(ui_.progressOpen());
    // The box comes after the dialog closed; the cursor is the default one at both ends.
    EXPECT_EQ(CallKind::MessageBox, ui_.calls().back().kind);
    EXPECT_EQ(CallKind::Cursor, ui_.calls().front().kind);
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
    EXPECT_EQ(1, ParameterValue(3300));
}

TEST_F(EtsCheckTest, AMissingObjectIsReportedAndTheSummaryTellsTheError)
{
    Execute("DELETE FROM device_object WHERE device_id = 2 AND number = 60");
    EXPECT_EQ((std::vector<std::string>{Missing(60), Failed}), Check());
    EXPECT_EQ(1, ParameterValue(4100)); // nothing repaired
    EXPECT_EQ(3u, setup_->Objects().size());
}

TEST_F(EtsCheckTest, AnObjectWhoseParameterIsZeroOrThatIsInactiveCountsAsMissing)
{
    Execute("UPDATE device_parameter SET value = 0 WHERE id = (SELECT dp.id FROM device_parameter dp JOIN parameter p "
            "ON p.id = dp.parameter_id WHERE dp.device_id = 2 AND p.display_order = 4100)");
    Execute("UPDATE device_object SET active = 0 WHERE device_id = 2 AND number = 57");
    EXPECT_EQ((std::vector<std::string>{Missing(57), Missing(59), Missing(60), Failed}), Check());
}

TEST_F(EtsCheckTest, AnObjectOfTheLastTypeIsFound)
{
    Execute("UPDATE comm_object SET type = 15 WHERE id = (SELECT comm_object_id FROM device_object WHERE device_id = 2 "
            "AND number = 60)");
    Execute("UPDATE device_object SET type = 15 WHERE device_id = 2 AND number = 60");
    EXPECT_EQ((std::vector<std::string>{Success}), Check());
}

TEST_F(EtsCheckTest, SeveralRecordsOfOneNumberAreExaminedOnce)
{
    TDatenStruktur* extra = device_.GetDatenSatz(0, setup_->Function->GetHandle(), 900);
    extra->Typ = 806;
    extra->Param4 = 60;
    Execute("DELETE FROM device_object WHERE device_id = 2 AND number = 60");
    EXPECT_EQ((std::vector<std::string>{Missing(60), Failed}), Check());
}

TEST_F(EtsCheckTest, ASurplusParameterIsSetToZero)
{
    Forget(57);
    EXPECT_EQ((std::vector<std::string>{Surplus(57), Corrected}), Check());
    EXPECT_EQ(0, ParameterValue(3300));
    EXPECT_EQ((std::vector<int>{59, 60}), ProjectObjects());
    EXPECT_EQ(2u, setup_->Objects().size()); // the editor's data stay as they are
}

TEST_F(EtsCheckTest, AnErrorStaysInTheSummaryWhenACorrectionFollows)
{
    Execute("DELETE FROM device_object WHERE device_id = 2 AND number = 60");
    Forget(57);
    EXPECT_EQ((std::vector<std::string>{Missing(60), Surplus(57), Failed}), Check());
    EXPECT_EQ(0, ParameterValue(3300));
}

TEST_F(EtsCheckTest, AParameterThatCannotBeSetIsAnError)
{
    Forget(57);
    setup_->Link.FailWrites(TCoCall::SetParameter, CO_PARAMETER_FAILED);
    const std::string text =
        "Achtung: ETS-Datenbank enth\xE4lt \xFC" "berz\xE4hlige Daten.\nObjekt Nr.:57\n\n" + NotRepaired + " | Fehler | 16";
    EXPECT_EQ((std::vector<std::string>{text, Failed}), Check());
    EXPECT_EQ(1, ParameterValue(3300));
}

TEST_F(EtsCheckTest, WithoutAnyObjectRecordEveryActiveParameterWithObjectsIsSurplus)
{
    setup_->Renew();
    setup_->Device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    EXPECT_TRUE(setup_->Device->EtsObjektCheck());
    EXPECT_EQ((std::vector<std::string>{Surplus(57), Surplus(59), Corrected}), BoxTexts());
    EXPECT_EQ(0, ParameterValue(3300));
    EXPECT_EQ(0, ParameterValue(4100));
    EXPECT_TRUE(ProjectObjects().empty());
}

TEST_F(EtsCheckTest, AParameterKeepingAKnownObjectStaysAndItsUnknownObjectIsAnError)
{
    // 3300 = 1 keeps 57 and a second object, 58, alive; the editor has 57 only.
    Execute("INSERT INTO comm_object (program_id, parameter_id, parameter_value, number, type, name) VALUES (1, "
            "(SELECT id FROM parameter WHERE display_order = 3300), 1, 58, 0, 'Second')");
    Execute("INSERT INTO device_object (device_id, comm_object_id, number, type) SELECT 2, id, 58, 0 FROM comm_object "
            "WHERE name = 'Second'");
    const std::string unknown =
        "Achtung: ETS-Datenbank enth\xE4lt \xFC" "berz\xE4hlige Daten.\nObjekt Nr.:58\n\n" + NotRepaired + " | Fehler | 16";
    EXPECT_EQ((std::vector<std::string>{unknown, Failed}), Check());
    EXPECT_EQ(1, ParameterValue(3300));
    EXPECT_EQ((std::vector<int>{57, 58, 59, 60}), ProjectObjects());
}

TEST_F(EtsCheckTest, ParametersOfZeroOrBelowAreNotExamined)
{
    // An object that exists for the value -1 of 3305, kept by no record.
    const std::string parameter = "(SELECT id FROM parameter WHERE display_order = 3305)";
    Execute("INSERT INTO comm_object (program_id, parameter_id, parameter_value, number, type, name) VALUES (1, " +
            parameter + ", -1, 120, 0, 'Minus')");
    Execute("UPDATE device_parameter SET value = -1 WHERE device_id = 2 AND parameter_id = " + parameter);
    Execute("INSERT INTO device_object (device_id, comm_object_id, number, type) SELECT 2, id, 120, 0 FROM comm_object "
            "WHERE number = 120");
    EXPECT_EQ((std::vector<std::string>{Success}), Check());
    EXPECT_EQ(-1, ParameterValue(3305));
}

} // namespace
} // namespace comobjtest
