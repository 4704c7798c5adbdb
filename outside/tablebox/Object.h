#pragma once

#include <string>

// Root of the grid's in-place editors, which reach the cell handlers as their sender; the
// handlers tell them apart by class name.
class TObject {
public:
    virtual ~TObject() = default;
    virtual std::string ClassName() const = 0;
    bool ClassNameIs(const std::string& name) const { return ClassName() == name; }

protected:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
};
