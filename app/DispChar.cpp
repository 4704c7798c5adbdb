#include "app/DispChar.h"

std::unique_ptr<TDispLine> TDispChar::CreateLine()
{
    return std::make_unique<TDispLine>(GetCanvas());
}
