#pragma once

#include "device/DeviceInstanz.h"
#include "tests/device/DeviceDoubles.h"
#include "tests/views/support/TestObject.h"
#include "views/CtrlTree.h"
#include "views/TreeView.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <string>

namespace viewstest {

// The tree sorts through the control, as a configuration window's tree does.
inline void BindCompare(TTreeView& view, TCtrlTree& control)
{
    view.OnCompare = [&control](QObject* sender, TTreeNode* node1, TTreeNode* node2, int data, int& compare) {
        control.Compare(sender, node1, node2, data, compare);
    };
}

// A node as text: its text, "+" when it is expanded, its children in brackets joined by ", ".
inline std::string Outline(const TTreeNode& node)
{
    std::string text = node.Text() + (node.isExpanded() ? "+" : "");
    if (node.Count() == 0)
        return text;
    text += "[";
    for (int i = 0; i < node.Count(); ++i)
        text += (i ? ", " : "") + Outline(*node.Item(i));
    return text + "]";
}

// The whole tree as text, the top-level nodes joined by ", ".
inline std::string Outline(const TTreeView& view)
{
    std::string text;
    for (const TTreeNode* node : view.TopLevelNodes())
        text += (text.empty() ? "" : ", ") + Outline(*node);
    return text;
}

// A device model whose data objects are test objects, and a tree view that sorts through its
// TCtrlTree as a configuration window's tree does.
class DeviceTree : public ::testing::Test {
protected:
    DeviceTree()
    {
        tree.resize(300, 500);
        Bind(tree, ctrl);
        tree.SetSortType(stData);
        ctrl.SetDeviceInstanz(&device);
    }

    static void Bind(TTreeView& view, TCtrlTree& control) { BindCompare(view, control); }

    // A data object registered with the device, which owns it.
    TTestObject& Add(std::int32_t handle, std::int32_t parent, int typ, const std::string& name, int posId = 0)
    {
        auto* object = new TTestObject(handle, parent, typ, name, posId);
        EXPECT_TRUE(device.SetPointer2List(object));
        return *object;
    }
    const TCtrlTree::TDataPointerMap& Map() const { return device.GetDataPointerMap(); }

    static std::string Outline(const TTreeView& view) { return viewstest::Outline(view); }
    static std::string Outline(const TTreeNode& node) { return viewstest::Outline(node); }
    std::string Outline() const { return Outline(tree); }
    std::string Selected() const { return tree.Selected() ? tree.Selected()->Text() : "(none)"; }
    TTreeNode* Node(const TDataBasis& object) const { return ctrl.GetNodeFromData(&object); }

    DAL_DEVICE host{};
    devicetest::TestDevice device{nullptr, &host, nullptr};
    TTreeView tree;
    TCtrlTree ctrl{&tree};
};

} // namespace viewstest
