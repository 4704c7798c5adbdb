#include "app/TextUnit.h"

#include "app/StringTable.h"

void TTextUnit::Init()
{
    if (InitCount-- != 0)
        return;
    TStringTable table;
    table.AddBlock(Source());
    for (std::size_t i = 0; i < Slots.size(); ++i)
        Slots[i] = table.Load(FirstId + static_cast<std::int32_t>(i));
}

void TTextUnit::Fin()
{
    if (InitCount++ != -1)
        return;
    for (auto slot = Slots.rbegin(); slot != Slots.rend(); ++slot)
        std::string().swap(*slot);
}
