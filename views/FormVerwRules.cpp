#include "views/FormVerwRules.h"

#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/hostdata/EtsGruppenAdressen.h"

#include <algorithm>
#include <charconv>

namespace views {
namespace {

constexpr int DtTsTaste = 6555;

bool IsKeyFunction(int typ)
{
    return typ == DtTsTaste || (typ >= 6557 && typ <= 6567) || (typ >= 6587 && typ <= 6589);
}

} // namespace

TActionStates ActionStatesFor(int typ, bool globalParameterEnabled)
{
    TActionStates states;
    if (typ == DT_ETS_OBJEKT || typ == DT_ETS_OBJEKT_2) {
        states.LinkObjToGrpAddr = true;
    } else if (IsKeyFunction(typ)) {
        states.GlobalParameter = globalParameterEnabled;
    } else {
        states.DisableCopy = true;
        states.GlobalParameter = globalParameterEnabled;
    }
    return states;
}

int AutoScrollDirection(int top, int bottom, int cursorY, int fontHeight)
{
    const int band = 5 - fontHeight;
    const int half = -fontHeight / 2;
    int direction = 0;
    if (top + half > cursorY && cursorY > top + half - band)
        direction = 2;
    if (bottom - half < cursorY && cursorY < bottom - half + band)
        direction = 1;
    return direction;
}

std::vector<std::string> ExpandedNodeLines(const std::list<int>& kept, std::optional<int> selected)
{
    std::vector<std::string> lines;
    if (selected)
        lines.push_back(std::to_string(*selected));
    for (const int handle : kept)
        if (!selected || handle != *selected)
            lines.push_back(std::to_string(handle));
    return lines;
}

std::list<int> ParseExpandedNodeLines(const std::vector<std::string>& lines)
{
    std::list<int> handles;
    for (const std::string& line : lines) {
        int handle = 0;
        const char* end = line.data() + line.size();
        const auto [stop, error] = std::from_chars(line.data(), end, handle);
        if (error == std::errc() && stop == end && !line.empty())
            handles.push_back(handle);
    }
    return handles;
}

int VirtualKeyOf(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Minus:
        return 189;
    default:
        return 0;
    }
}

TKeyCommands KeyCommandsFor(int virtualKey, Qt::KeyboardModifiers shift, int downloadKey)
{
    const bool ctrl = shift.testFlag(Qt::ControlModifier);
    TKeyCommands commands;
    commands.DownloadRs232 = virtualKey == downloadKey && ctrl && shift.testFlag(Qt::AltModifier);
    const auto withCtrl = [ctrl](TKeyCommand command) { return ctrl ? command : TKeyCommand::None; };
    switch (virtualKey) {
    case VK_TAB:
        commands.Command = TKeyCommand::TabToGrid;
        break;
    case 'A':
        commands.Command = withCtrl(TKeyCommand::CollapseAll);
        break;
    case 'C':
        commands.Command = withCtrl(TKeyCommand::Copy);
        break;
    case 'E':
        commands.Command = withCtrl(TKeyCommand::ExpandAll);
        break;
    case 'N':
        commands.Command = withCtrl(TKeyCommand::NewWindow);
        break;
    case 'P':
        commands.Command = withCtrl(TKeyCommand::Print);
        break;
    case 'V':
        commands.Command = withCtrl(TKeyCommand::Paste);
        break;
    case VK_F1:
        commands.Command = ctrl ? TKeyCommand::QuickHelp : TKeyCommand::DeviceHelp;
        break;
    case VK_F6:
        commands.Command = TKeyCommand::SwitchFocus;
        break;
    default:
        break;
    }
    return commands;
}

bool IsTypingKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier)
        return qtKey == Qt::Key_A || qtKey == Qt::Key_E;
    if (held != Qt::NoModifier)
        return false;
    if (qtKey == Qt::Key_Plus || qtKey == Qt::Key_Minus)
        return true;
    return !text.isEmpty() && text.at(0).isPrint();
}

int SwitchVtFunctionKey(quint32 nativeKey)
{
    constexpr quint32 SwitchVt1 = 0x1008FE01; // XF86XK_Switch_VT_1
    constexpr quint32 SwitchVt12 = 0x1008FE0C;
    if (nativeKey < SwitchVt1 || nativeKey > SwitchVt12)
        return 0;
    return VK_F1 + static_cast<int>(nativeKey - SwitchVt1);
}

TCtrlTree::TGrpAdrMap GroupsBelow(TDataBasis* object, TEtsGruppenAdressen& groups, const TGrpAdrNodeMap& nodes,
                                  bool threeLevels)
{
    TCtrlTree::TGrpAdrMap below;
    const auto take = [&](std::int32_t id) {
        if (const auto it = nodes.find(id); it != nodes.end())
            below.insert(*it);
    };
    const auto takeSubs = [&](TEtsMiddleGroup* middle) {
        for (TEtsSubGroup* sub = groups.GetSubGroupFirst(middle); sub; sub = groups.GetSubGroupNext(middle))
            take(sub->GetEtsId());
    };
    if (auto* main = dynamic_cast<TSorvGrpAdrMain*>(object)) {
        TEtsMainGroup* group = main->GetGroup();
        if (!group)
            return below;
        for (TEtsMiddleGroup* middle = groups.GetMiddleGroupFirst(group); middle;
             middle = groups.GetMiddleGroupNext(group)) {
            if (!nodes.count(middle->GetEtsId()))
                continue;
            if (threeLevels)
                take(middle->GetEtsId());
            else
                takeSubs(middle);
        }
    } else if (auto* middle = dynamic_cast<TSorvGrpAdrMiddle*>(object)) {
        if (middle->GetGroup())
            takeSubs(middle->GetGroup());
    }
    return below;
}

} // namespace views
