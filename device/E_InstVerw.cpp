#include "device/E_InstVerw.h"

E_InstVerw::E_InstVerw(int code, std::string message, std::string context, std::string sourceFile, int line)
    : E_Basis(code, std::move(message), std::move(context), std::move(sourceFile), line, "E_InstVerw")
{
}
