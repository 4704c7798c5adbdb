#include "app/ProgramStringTable.h"

#include "app/StringBlocks.h"

namespace {

TStringTable MakeProgramStringTable()
{
    TStringTable table;
    for (const auto block : {&StringBlocks::Spredit, &StringBlocks::Sprfaultbox, &StringBlocks::Sprsysfunc,
                             &StringBlocks::Sprlkextmodults, &StringBlocks::Sprclimalib,
                             &StringBlocks::Sprscenefunc, &StringBlocks::Sprclockfunc,
                             &StringBlocks::Sprremotefunc, &StringBlocks::Spraddrlink, &StringBlocks::Sprcheckga})
        table.AddBlock(block());
    return table;
}

} // namespace

const TStringTable& ProgramStringTable()
{
    static const TStringTable table = MakeProgramStringTable();
    return table;
}

std::string LoadStr(std::int32_t id)
{
    return ProgramStringTable().Load(id);
}
