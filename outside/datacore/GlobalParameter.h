#pragma once

#include <cstdint>
#include <vector>

// The mark of one parameter for the copy into other devices.
enum tagEnumGlobalParameterValue : std::uint8_t {
    gpvNichtAendern = 0, // "Nicht ändern"
    gpvAendern = 1,      // "Ändern"
};

// One parameter that the global-parameter copy may carry into other devices: the tag of its
// grid row, the tags of the rows that go with it and its mark.
class TGlobalParameter {
public:
    TGlobalParameter() = default;
    ~TGlobalParameter() = default;
    TGlobalParameter(const TGlobalParameter&) = default;
    TGlobalParameter& operator=(const TGlobalParameter&) = default;

    void AddDependentCellTag(int tag) { DependentCellTags.push_back(tag); }
    bool HasDependentCellTag(int tag) const;

    std::uint8_t Flag = 0;
    int Tag = 0;
    std::vector<int> DependentCellTags;
    tagEnumGlobalParameterValue Value = gpvNichtAendern;
};
