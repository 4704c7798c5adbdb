#include "climalib/E_DataBasis.h"

E_DataBasis::E_DataBasis(int kind, std::string message, std::string objectText, std::string sourcePath, int line)
    : E_Basis(kind, std::move(message), std::move(objectText), std::move(sourcePath), line, "E_DataBasis")
{
}
