#pragma once

// Type numbers (GetTyp, the Typ of a record) of addrlink's data objects.
inline constexpr int DT_GRP_ADR_ORDNER = 203;      // group-address folder
inline constexpr int DT_ETS_OBJEKT = 806;          // communication object
inline constexpr int DT_ETS_OBJEKT_2 = 807;        // the second node kind of a communication object
inline constexpr int DT_SORV_GRP_ADR_MAIN = 5001;  // main group
inline constexpr int DT_SORV_GRP_ADR_MIDDLE = 5002; // middle group
inline constexpr int DT_SORV_GRP_ADR_SUB = 5003;   // sub group: one group address

// Their icons in the tree's image list.
inline constexpr int ICON_GRP_ADR_ORDNER = 40;
inline constexpr int ICON_GRP_ADR_MAIN = 41;
inline constexpr int ICON_GRP_ADR_MIDDLE = 42;
inline constexpr int ICON_GRP_ADR_SUB = 43;
inline constexpr int ICON_ETS_OBJEKT = 44;         // no group address
inline constexpr int ICON_ETS_OBJEKT_LINKED = 45;  // linked to one group address or more
