#include "dialogs/project/GrpAddrNameQuery.h"

#include "app/DlgMyInputQuery.h"
#include "app/Spredit.h"

bool AskGrpAddrName(std::string& name)
{
    std::string answer;
    TDlgMyInputQuery query(nullptr, Spredit::Text9145, Spredit::Text9144, &answer, true);
    if (query.ShowModal() != 1)
        return false;
    name = answer;
    return true;
}
