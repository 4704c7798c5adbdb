// The function tree of a new demo device beside the system object's grid, saved as a picture for
// a person to look at.
#include "device/product/DatenTyp.h"
#include "platform/Clock.h"
#include "tests/support/DeviceProject.h"
#include "tests/views/support/TreeBesideGrid.h"
#include "outside/datacore/DataBasis.h"
#include "views/DrawGridSEView.h"
#include "views/TreeView.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(NewDeviceScreenshot, DemoDeviceThreeInTheTreeBesideTheSystemObjectsGrid)
{
    const platform::TScopedClock clock(QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
    testsupport::DeviceProject project;
    testsupport::AddProductTemplate(project.ProjectPath());
    auto device = project.MakeDevice(3);
    ASSERT_TRUE(device->CreateNewDevice(project.Window())) << project.LastBox();
    TDataBasis* system = device->GetDevice();
    ASSERT_NE(system, nullptr);

    viewstest::TreeBesideGrid window(QStringLiteral("Projektierung"), 1060, 760, 400);
    window.Fill(device->GetDataPointerMap());
    TTreeNode* root = window.CtrlTree.GetNodeFromData(system);
    ASSERT_NE(root, nullptr);
    std::multiset<int> below;
    for (int i = 0; i < root->Count(); ++i)
        if (root->Item(i)->Data() != nullptr)
            below.insert(root->Item(i)->Data()->GetTyp());
    for (const int typ : {DT_TALVO_DISPLAY, DT_TALVO_DATUM_UHRZEIT_SENDEN, DT_IR_FERNBEDIENUNG, DT_TASTSENSOR_FUNKTION,
                          DT_REGLER_FUNKTION, DT_ETS_OBJEKT})
        EXPECT_TRUE(below.contains(typ)) << typ;
    // The keys and the controller's pages in view, each key closed.
    int pages = 0;
    for (const auto& [handle, object] : device->GetDataPointerMap()) {
        const int typ = object->GetTyp();
        if (typ == DT_TASTSENSOR_FUNKTION || typ == DT_TS_BETAETIGUNG || typ == DT_REGLER_FUNKTION)
            if (TTreeNode* node = window.CtrlTree.GetNodeFromData(object))
                node->setExpanded(true);
        const TDataBasis* parent = device->FindHandle(object->GetParentHandle());
        if (parent != nullptr && parent->GetTyp() == DT_REGLER_FUNKTION && typ != DT_ETS_OBJEKT)
            ++pages;
    }
    EXPECT_EQ(pages, 5);
    root->setExpanded(true);
    window.CtrlTree.SelectNode(system);
    window.ShowInGrid(*system);
    EXPECT_GT(window.View->Grid().GetRowCount(), 2);
    EXPECT_TRUE(window.Save(QStringLiteral(LIFECYCLE_SCREENSHOT_DIR), QStringLiteral("new_device.png")));
}

} // namespace
