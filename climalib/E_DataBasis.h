#pragma once

#include "outside/datacore/E_Basis.h"

#include <string>

// The exception of the data objects of this library; its class name is "E_DataBasis".
class E_DataBasis : public E_Basis {
public:
    E_DataBasis(int kind, std::string message, std::string objectText, std::string sourcePath, int line);
    E_DataBasis(const E_DataBasis&) = default;
    E_DataBasis& operator=(const E_DataBasis&) = default;
};
