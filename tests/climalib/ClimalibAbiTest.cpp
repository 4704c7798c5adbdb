// Uses libclimalib.so as the program does: through the public headers of its eight classes,
// allocating the objects itself, calling the imported functions and freeing the objects through
// the base class.
#include "climalib/RaumtemperaturSchaltuhr.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglerSollwerte.h"
#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "climalib/ReglernebenstellenFunktion.h"
#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"
#include "outside/datacore/MainWindowMessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

static_assert(std::has_virtual_destructor_v<TDataBasis>, "objects are freed through the base class");

// The main window as the objects see it: it hands out handles and records, finds registered
// objects and carries out every device request.
class MainWindow {
public:
    platform::HWND Handle() const { return registration_.Handle(); }
    void Register(TDataBasis& object) { objects_[object.GetHandle()] = &object; }
    void Unregister(const TDataBasis& object) { objects_.erase(object.GetHandle()); }
    TDatenStruktur& Record(std::int32_t handle) { return Find(handle, 0, 0); }

private:
    TDatenStruktur& Find(std::int32_t handle, std::int32_t system, std::int32_t parent)
    {
        const auto [it, created] = records_.try_emplace(handle);
        if (created) {
            it->second.Handle = handle;
            it->second.System = system;
            it->second.Parent = parent;
        }
        return it->second;
    }

    platform::LRESULT Answer(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
    {
        const auto system = static_cast<std::int32_t>(wParam >> 16);
        const auto handle = static_cast<std::int32_t>(lParam);
        switch (message) {
        case WM_USER_GETEIBHANDLE:
            return reinterpret_cast<platform::LRESULT>(&handles_);
        case WM_USER_GETDATAPOINTER: {
            const auto it = objects_.find(static_cast<std::int32_t>(wParam));
            return reinterpret_cast<platform::LRESULT>(it == objects_.end() ? nullptr : it->second);
        }
        case WM_USER_GETDATENSATZ:
            return reinterpret_cast<platform::LRESULT>(
                &Find(handle, system, static_cast<std::int32_t>(wParam & 0xFFFF)));
        case WM_USER_GETDATENSATZANYPARENT:
            return reinterpret_cast<platform::LRESULT>(&Find(handle, static_cast<std::int32_t>(wParam), -1));
        case WM_USER_FINDDATENSATZ: {
            const auto it = records_.find(handle);
            return reinterpret_cast<platform::LRESULT>(
                it == records_.end() || it->second.System != static_cast<std::int32_t>(wParam) ? nullptr
                                                                                               : &it->second);
        }
        case WM_USER_DELETENEXTDATENSATZ:
            for (std::int32_t next = handle; next > 0;) {
                const auto it = records_.find(next);
                if (it == records_.end())
                    break;
                next = it->second.Next;
                records_.erase(it);
            }
            return 0;
        case WM_USER_USERDEVICEMESSAGE:
        case WM_USER_DATENTRANSPORT:
        case WM_USER_GETACCESSMODE:
            return 1;
        default:
            return 0;
        }
    }

    TEibHandle handles_{std::list<int>{7}};
    std::map<std::int32_t, TDatenStruktur> records_;
    std::map<std::int32_t, TDataBasis*> objects_;
    platform::TWindowRegistration registration_{
        [this](platform::UINT m, platform::WPARAM w, platform::LPARAM l) { return Answer(m, w, l); }};
};

constexpr std::int32_t System = 1;
constexpr std::int32_t DeviceObject = 7;

class ClimalibAbi : public ::testing::Test {
protected:
    // A new function as the program creates one: allocated by the program, constructed with the
    // main window, the parent's System and Handle, the default name and handle 0; then position,
    // record, registration and its objects.
    template <class T>
    T& Create(std::int32_t parent, const char* name, int posId)
    {
        auto object = std::make_unique<T>(window.Handle(), System, parent, name, 0);
        T& created = *object;
        TDataBasis& base = created;
        base.SetPosId(posId);
        base.Write(window.Record(base.GetHandle()));
        window.Register(base);
        EXPECT_TRUE(created.CreateObjects()) << name;
        functions.push_back({std::move(object), [&created] { return created.DeleteObjects(); }});
        return created;
    }

    // A function as the program holds it: the object, freed through the base class, and its
    // imported DeleteObjects.
    struct Function {
        std::unique_ptr<TDataBasis> object;
        std::function<bool()> deleteObjects;
    };

    MainWindow window;
    std::vector<Function> functions;
};

TEST_F(ClimalibAbi, TheProgramCreatesUsesAndFreesEveryClass)
{
    auto& regler = Create<TReglerFunktion>(DeviceObject, "Raumtemperaturregler-Funktion", 0);
    const std::int32_t r = regler.GetHandle();
    auto& sollwerte = Create<TReglerSollwerte>(r, "Sollwerte", 1);
    Create<TReglerFunktionalitaet>(r, "Funktionalit\xE4t", 2);
    auto& messung = Create<TReglerRaumtemperaturMessung>(r, "Raumtemperaturmessung", 3);
    auto& ausgabe = Create<TReglerStellgroessenStatusAusgabe>(r, "Stellgr\xF6\xDF" "en- und Status-Ausgabe", 4);
    auto& schaltuhr = Create<TRaumtemperaturSchaltuhr>(r, "Raumtemperatur-Schaltuhr", 5);
    auto& nebenstelle = Create<TReglernebenstellenFunktion>(DeviceObject, "Reglernebenstellen-Funktion", 5);
    Create<TReglernebenstellenRaumtemperaturMessung>(nebenstelle.GetHandle(), "Raumtemperaturmessung", 1);

    const std::vector<int> types{6576, 6577, 6578, 6579, 6580, 6581, 6593, 6594};
    ASSERT_EQ(functions.size(), types.size());
    for (std::size_t i = 0; i < functions.size(); ++i) {
        EXPECT_EQ(functions[i].object->GetTyp(), types[i]);
        EXPECT_EQ(window.Record(functions[i].object->GetHandle()).Typ, types[i]);
    }

    // The operations the program calls by name.
    EXPECT_EQ(regler.GetValueOfRegelkreise(), 0);
    EXPECT_EQ(regler.GetValueOfReglerBetriebsart(), 0);
    TMapSchaltDaten* map = schaltuhr.GetPointerMapSchaltDaten();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->size(), 28u);
    EXPECT_EQ(schaltuhr.RaumtempSchaltuhrAktiv, T_DB_EnumDataBasis::Nein) << "read directly by the program";
    EXPECT_TRUE(messung.ModifyValueTemperaturErfassung(false));
    EXPECT_TRUE(messung.ModifyValueExternerTempFuehler(false));
    EXPECT_TRUE(sollwerte.ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::Nein, false));
    EXPECT_TRUE(sollwerte.ModifyValueAenderungSollwerte(false));
    EXPECT_TRUE(ausgabe.ModifyValueAusgabeStellgroessen());
    EXPECT_TRUE(ausgabe.ModifyValueMeldungHeizen(T_DB_EnumDataBasis::Nein, false));
    EXPECT_TRUE(ausgabe.ModifyValueMeldungKuehlen(T_DB_EnumDataBasis::Nein, false));

    // Deleting: children first, each object's communication objects before the object.
    for (auto it = functions.rbegin(); it != functions.rend(); ++it) {
        EXPECT_TRUE(it->deleteObjects()) << it->object->GetTyp();
        window.Unregister(*it->object);
        it->object.reset();
    }
}

TEST_F(ClimalibAbi, AnObjectRestoredFromItsRecordIsFreedThroughTheBaseClass)
{
    auto& schaltuhr = Create<TRaumtemperaturSchaltuhr>(DeviceObject, "Raumtemperatur-Schaltuhr", 5);
    (*schaltuhr.GetPointerMapSchaltDaten())[1] = {7, 30, 1, 0, 1};
    TDatenStruktur& record = window.Record(schaltuhr.GetHandle());
    schaltuhr.Write(record);

    std::unique_ptr<TDataBasis> restored =
        std::make_unique<TRaumtemperaturSchaltuhr>(window.Handle(), record.System, record.Parent, record.Name,
                                                   record.Handle);
    restored->InitFromDB(record);
    EXPECT_EQ(restored->GetHandle(), schaltuhr.GetHandle());
    auto& copy = dynamic_cast<TRaumtemperaturSchaltuhr&>(*restored);
    EXPECT_EQ(copy.GetSchaltDatenIntFromMap(1), 16844574);
    restored.reset();
}

} // namespace
