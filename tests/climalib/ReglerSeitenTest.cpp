#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglerSollwerte.h"
#include "tests/climalib/PageFixture.h"

#include <gmock/gmock.h>

namespace climatest {
namespace {

using ::testing::ElementsAre;

// The controller function with its set-point and measurement pages, created as the device
// creates them, and a device that answers the controller's page updates by calling the pages as
// the product's device model does: one circuit takes circuit 2's own set-points away; the
// measurement falls back to the internal sensor and brings its sensor object in line.
class ReglerSeiten : public PageFixture<TReglerSollwerte> {
protected:
    ReglerSeiten()
        : messung(std::make_unique<TReglerRaumtemperaturMessung>(window.Handle(), System, controller->GetHandle(),
                                                                 "Raumtemperaturmessung", 0))
    {
        Device().Register(messung.get());
        for (TDataBasis* object : std::initializer_list<TDataBasis*>{controller.get(), page.get(), messung.get()})
            WriteRecord(*object);
        controller->CreateObjects();
        page->CreateObjects();
        messung->CreateObjects();

        Device().CarryOutDeviceRequest(UDM_UPDATE_TABLE_SOLLWERTE, [this](tagWmUserDevice& request) -> std::uint8_t {
            const auto* sender = dynamic_cast<TReglerFunktion*>(request.Sender);
            if (!sender)
                return 0;
            if (sender->GetValueOfRegelkreise() == 0) {
                if (!page->ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::Nein, request.Byte != 0))
                    return 0;
                WriteRecord(*page);
            }
            return 1;
        });
        Device().CarryOutDeviceRequest(UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG,
                                       [this](tagWmUserDevice& request) -> std::uint8_t {
                                           if (!request.Sender || !messung->ModifyValueTemperaturErfassung(false)
                                               || !messung->ModifyValueExternerTempFuehler(request.Byte != 0))
                                               return 0;
                                           WriteRecord(*messung);
                                           return 1;
                                       });
        window.DeliverPosted();
        Mark();
    }

    // Chooses the item with the value in a row of the object's grid, as a user does.
    void ChooseIn(TDataBasis& object, int tag, int value)
    {
        TDrawGridSE objectGrid;
        object.BuildInfoWindow(&objectGrid, nullptr, false, -1, -1);
        climatest::ChooseValue(objectGrid, tag, value);
        window.DeliverPosted();
    }

    static std::vector<int> RowsOf(TDataBasis& object)
    {
        TDrawGridSE objectGrid;
        object.BuildInfoWindow(&objectGrid, nullptr, false, -1, -1);
        return climatest::RowTags(objectGrid);
    }

    std::unique_ptr<TReglerRaumtemperaturMessung> messung;
};

TEST_F(ReglerSeiten, TwoCircuitsAndBackCarryThePagesAlong)
{
    using M = TReglerRaumtemperaturMessung;
    using S = TReglerSollwerte;

    ChooseIn(*messung, M::tagTemperaturErfassung, 1);
    ASSERT_EQ(messung->TemperaturErfassung, 1);
    ASSERT_EQ(ObjectValues().at(M::ObjektExternerTempFuehler), 1);

    // Two circuits: the second circuit measures externally, the sensor choice goes back to the
    // internal sensor and the sensor object stays.
    ChooseIn(*controller, TReglerFunktion::tagRegelkreise, 1);
    ASSERT_EQ(controller->GetValueOfRegelkreise(), 1);
    EXPECT_EQ(messung->TemperaturErfassung, 0);
    EXPECT_EQ(Device().FindRecord(System, messung->GetHandle())->Param3, 0);
    EXPECT_EQ(ObjectValues().at(M::ObjektExternerTempFuehler), 1);
    EXPECT_EQ(RowsOf(*messung), (std::vector<int>{2, 3, 4, 5, 6, 7}));

    ChooseIn(*page, S::tagEigeneSollwerteRk2, 1);
    ASSERT_EQ(ObjectValues().at(S::ObjektSollTempRk2), 1);
    ASSERT_EQ(ObjectValues().at(S::ObjektBasisSollwertRk2), 1);

    // Back to one circuit: circuit 2's own set-points and their objects go, and the
    // measurement uses the internal sensor alone.
    ChooseIn(*controller, TReglerFunktion::tagRegelkreise, 0);
    ASSERT_EQ(controller->GetValueOfRegelkreise(), 0);
    EXPECT_EQ(page->EigeneSollwerteRk2, T_DB_EnumDataBasis::Nein);
    EXPECT_FALSE(Device().Chain(*StoredRecord()).at(0)->Bool1);
    EXPECT_EQ(ObjectValues().at(S::ObjektSollTempRk2), 0);
    EXPECT_EQ(ObjectValues().at(S::ObjektBasisSollwertRk2), 0);
    EXPECT_EQ(ObjectValues().at(M::ObjektExternerTempFuehler), 0);
    const std::vector<int> sollwerteRows = RowsOf(*page);
    EXPECT_EQ(std::count(sollwerteRows.begin(), sollwerteRows.end(), S::tagEigeneSollwerteRk2), 0);
    EXPECT_EQ(RowsOf(*messung), (std::vector<int>{0, 2, 5, 6, 7}));
}

TEST_F(ReglerSeiten, ARefusedCircuitChangeLeavesThePagesAlone)
{
    ChooseIn(*messung, TReglerRaumtemperaturMessung::tagTemperaturErfassung, 2);
    Device().AnswerDeleteAllowed(0);
    ChooseIn(*controller, TReglerFunktion::tagRegelkreise, 1);
    EXPECT_EQ(controller->GetValueOfRegelkreise(), 0);
    EXPECT_EQ(messung->TemperaturErfassung, 2);
    for (const auto& request : Device().DeviceRequests()) {
        EXPECT_NE(request.Code, UDM_UPDATE_TABLE_SOLLWERTE);
        EXPECT_NE(request.Code, UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG);
    }
}

} // namespace
} // namespace climatest
