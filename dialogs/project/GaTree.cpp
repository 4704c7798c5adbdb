#include "dialogs/project/GaTree.h"

#include "app/Spraddrlink.h"
#include "app/Sprcheckga.h"
#include "dialogs/project/GrpAddrValue.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/addrlink/SorvGrpAdrSub.h"

#include <algorithm>
#include <map>

namespace {

std::string Numbered(const std::string& format, std::int32_t number)
{
    std::string text = format;
    if (const std::size_t at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

std::string SubText(std::int32_t number, const std::string& name)
{
    return "[" + std::to_string(number) + "]" + name;
}

} // namespace

std::int32_t GetFreeId(const std::vector<RecGA>& list)
{
    std::int32_t id = 1;
    while (std::any_of(list.begin(), list.end(), [id](const RecGA& ga) { return ga.Id == id; }))
        ++id;
    return id;
}

const RecGA* FindGa(const std::vector<RecGA>& list, std::int32_t number, std::int32_t parent)
{
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const RecGA& ga) { return ga.Number == number && ga.Parent == parent; });
    return found == list.end() ? nullptr : &*found;
}

bool BuildGaLists(const TGrpAdrNodes::TMap& mainNodes, const TGrpAdrNodes::TMap& midSubNodes, bool threeLevels,
                  const TNewGroupAddrList& queued, TGaLists& out)
{
    TGaLists lists;
    for (const auto& [key, node] : mainNodes) {
        const auto* main = dynamic_cast<const TSorvGrpAdrMain*>(node);
        if (!main)
            continue;
        if (!main->GetGroup())
            return false;
        lists.Main.push_back({main->GetGroup()->GetEtsId(), 0, main->GetGroupNumber(), main->GetName(true), 0, 0});
    }
    // With two levels a sub group hangs below the main group of its host middle group.
    std::map<std::int32_t, std::int32_t> mainOfMiddle;
    for (const auto& [key, node] : midSubNodes) {
        if (const auto* middle = dynamic_cast<const TSorvGrpAdrMiddle*>(node)) {
            if (!middle->GetGroup())
                return false;
            const TEtsMiddleGroup& group = *middle->GetGroup();
            lists.Middle.push_back({group.GetEtsId(), group.GetParentId(), middle->GetGroupNumber(),
                                    middle->GetName(true), 0, 0});
            mainOfMiddle[group.GetEtsId()] = group.GetParentId();
        }
    }
    for (const auto& [key, node] : midSubNodes) {
        if (const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node)) {
            if (!sub->GetGroup())
                return false;
            const TEtsSubGroup& group = *sub->GetGroup();
            const std::uint16_t address = sub->GetGroupAddress(key);
            std::int32_t parent = group.GetParentId();
            auto number = static_cast<std::int16_t>(sub->GetGroupNumber());
            if (!threeLevels) {
                if (const auto main = mainOfMiddle.find(parent); main != mainOfMiddle.end())
                    parent = main->second;
                number = static_cast<std::int16_t>(address & 0x7FF);
            }
            lists.Sub.push_back({group.GetEtsId(), parent, number, sub->GetName(true), sub->GetSubAdrTyp(), address});
        }
    }

    for (const RecNewGroupAddr& address : queued) {
        const TGrpAddrParts parts = GetMainMiddleAndSubGroupAddr(static_cast<std::uint16_t>(address.Address),
                                                                 threeLevels);
        const RecGA* main = FindGa(lists.Main, parts.Main, 0);
        std::int32_t mainId = main ? main->Id : 0;
        if (!main) {
            mainId = GetFreeId(lists.Main);
            lists.Main.push_back({mainId, 0, parts.Main, Numbered(Sprcheckga::Text8019, parts.Main), 0, 0});
        }
        std::int32_t parent = mainId;
        if (threeLevels) {
            const RecGA* middle = FindGa(lists.Middle, parts.Middle, mainId);
            parent = middle ? middle->Id : GetFreeId(lists.Middle);
            if (!middle)
                lists.Middle.push_back(
                    {parent, mainId, parts.Middle, Numbered(Sprcheckga::Text8020, parts.Middle), 0, 0});
        }
        lists.Sub.push_back({GetFreeId(lists.Sub), parent, parts.Sub, SubText(parts.Sub, address.Name),
                             address.SubAdrTyp, static_cast<std::uint16_t>(address.Address)});
    }
    out = std::move(lists);
    return true;
}

TGaNode* TGaNode::Add(TGaNode node)
{
    node.Parent = this;
    Children.push_back(std::make_unique<TGaNode>(std::move(node)));
    return Children.back().get();
}

TGaNode* TGaNode::FindChild(std::int32_t number) const
{
    for (const auto& child : Children)
        if (child->HasData && child->Number == number)
            return child.get();
    return nullptr;
}

void TGaNode::Sort()
{
    std::stable_sort(Children.begin(), Children.end(),
                     [](const auto& a, const auto& b) { return a->Number < b->Number; });
    for (const auto& child : Children)
        child->Sort();
}

std::unique_ptr<TGaNode> BuildGaTree(const TGaLists& lists, bool threeLevels)
{
    auto root = std::make_unique<TGaNode>();
    root->Text = Spraddrlink::Text1023;
    const auto group = [](const RecGA& ga, int image) {
        TGaNode node;
        node.Text = ga.Text;
        node.Image = image;
        node.HasData = true;
        node.Number = ga.Number;
        node.SubAdrTyp = image == TGaNode::ImageSub ? ga.SubAdrTyp : 0;
        node.Address = image == TGaNode::ImageSub ? ga.Address : 0;
        return node;
    };
    const auto addSubs = [&](TGaNode& parent, std::int32_t parentId) {
        for (const RecGA& sub : lists.Sub)
            if (sub.Parent == parentId)
                parent.Add(group(sub, TGaNode::ImageSub));
    };
    for (const RecGA& main : lists.Main) {
        TGaNode* mainNode = root->Add(group(main, TGaNode::ImageMain));
        if (!threeLevels) {
            addSubs(*mainNode, main.Id);
            continue;
        }
        for (const RecGA& middle : lists.Middle)
            if (middle.Parent == main.Id)
                addSubs(*mainNode->Add(group(middle, TGaNode::ImageMiddle)), middle.Id);
    }
    root->Sort();
    return root;
}

TGaNode* FindGaPath(const TGaNode& root, std::int32_t main, std::int32_t middle, std::int32_t subNumber,
                    bool threeLevels)
{
    TGaNode* node = root.FindChild(main);
    if (node && threeLevels)
        node = node->FindChild(middle);
    return node ? node->FindChild(subNumber) : nullptr;
}

const TGaNode* FindGaSub(const TGaNode& node, std::uint32_t address)
{
    if (node.IsSub() && node.Address == address)
        return &node;
    for (const auto& child : node.Children)
        if (const TGaNode* found = FindGaSub(*child, address))
            return found;
    return nullptr;
}

TGaNode* AddGaPath(TGaNode& root, std::int32_t main, std::int32_t middle, std::int32_t subNumber,
                   const std::string& name, std::int32_t subAdrTyp, std::uint16_t address, bool threeLevels,
                   std::vector<TGaNode*>& added)
{
    const auto group = [](const std::string& text, int image, std::int32_t number) {
        TGaNode node;
        node.Text = text;
        node.Image = image;
        node.HasData = true;
        node.Number = number;
        return node;
    };
    TGaNode* parent = root.FindChild(main);
    if (!parent) {
        parent = root.Add(group(Numbered(Sprcheckga::Text8019, main), TGaNode::ImageMain, main));
        added.push_back(parent);
    }
    if (threeLevels) {
        TGaNode* middleNode = parent->FindChild(middle);
        if (!middleNode) {
            middleNode = parent->Add(group(Numbered(Sprcheckga::Text8020, middle), TGaNode::ImageMiddle, middle));
            added.push_back(middleNode);
        }
        parent = middleNode;
    }
    TGaNode sub = group(SubText(subNumber, name), TGaNode::ImageSub, subNumber);
    sub.SubAdrTyp = subAdrTyp;
    sub.Address = address;
    TGaNode* subNode = parent->Add(std::move(sub));
    added.push_back(subNode);
    return subNode;
}
