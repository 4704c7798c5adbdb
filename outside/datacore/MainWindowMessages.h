#pragma once

#include "platform/WindowMessages.h"

// The main window's messages that data objects send or post to it.
inline constexpr platform::UINT WM_USER_GETDATAPOINTER = platform::WM_USER + 101;       // 1125, sent
inline constexpr platform::UINT WM_USER_UPDATEALLVIEWS = platform::WM_USER + 102;       // 1126, posted
inline constexpr platform::UINT WM_USER_GETDATENSATZ = platform::WM_USER + 103;         // 1127, sent
inline constexpr platform::UINT WM_USER_DELETENEXTDATENSATZ = platform::WM_USER + 105;  // 1129, sent
inline constexpr platform::UINT WM_USER_GETEIBHANDLE = platform::WM_USER + 107;         // 1131, sent
inline constexpr platform::UINT WM_USER_USERDEVICEMESSAGE = platform::WM_USER + 109;    // 1133, sent
inline constexpr platform::UINT WM_USER_SETACTIVECELL = platform::WM_USER + 112;        // 1136, posted
inline constexpr platform::UINT WM_USER_UPDATETREENAMES = platform::WM_USER + 114;      // 1138, posted
inline constexpr platform::UINT WM_USER_LINKTOSUBGROUP = platform::WM_USER + 121;       // 1145, sub group, handle
inline constexpr platform::UINT WM_USER_UNLINKFROMSUBGROUP = platform::WM_USER + 122;   // 1146, sub group, object id
inline constexpr platform::UINT WM_USER_GETGRPADRNR = platform::WM_USER + 124;          // 1148, sub group, std::string*
inline constexpr platform::UINT WM_USER_GETGRPADRNRASZAHL = platform::WM_USER + 125;    // 1149, sub group, int*
inline constexpr platform::UINT WM_USER_SETGRPADRSENDEND = platform::WM_USER + 126;     // 1150, sub group, object id
inline constexpr platform::UINT WM_USER_CLEARGRPADRSENDEND = platform::WM_USER + 127;   // 1151, sub group, object id
inline constexpr platform::UINT WM_USER_OBJEKTFLAG = platform::WM_USER + 128;           // 1152, 0 = change, RecObjektFlag*
inline constexpr platform::UINT WM_USER_OPENDLGGRPADRTOOBJECT = platform::WM_USER + 129; // 1153, 0, object
inline constexpr platform::UINT WM_USER_ABGLEICHFORMVERW = platform::WM_USER + 133;     // 1157, posted
inline constexpr platform::UINT WM_USER_DATENTRANSPORT = platform::WM_USER + 137;       // 1161, sent
inline constexpr platform::UINT WM_USER_UPDATEOTHERVIEWS = platform::WM_USER + 139;     // 1163, posted
inline constexpr platform::UINT WM_USER_GETDATENSATZANYPARENT = platform::WM_USER + 140; // 1164, sent
// Finds the record of System (wParam) and Handle (lParam) under any Parent; 0 when there is none.
// Unlike WM_USER_GETDATENSATZANYPARENT it never creates one: the chain reads go through it.
inline constexpr platform::UINT WM_USER_FINDDATENSATZ = platform::WM_USER + 145;         // 1169, sent
// Reads the flags of one device object: 0, RecObjektFlagsLesen*; answers a TEnumObjektLesen.
inline constexpr platform::UINT WM_USER_OBJEKTFLAGSLESEN = platform::WM_USER + 146;      // 1170, sent
inline constexpr platform::UINT WM_USER_UPDATEPREVIEW = platform::WM_USER + 150;        // 1174, posted
inline constexpr platform::UINT WM_USER_GETACCESSMODE = platform::WM_USER + 152;        // 1176, sent

// wParam of the record requests: System in the high 16 bits, Parent (or the object's own
// Handle) in the low 16 bits; a Parent of -1 ("any") goes as 0xFFFF.
constexpr platform::WPARAM MakeSystemParentParam(std::int32_t system, std::int32_t parent)
{
    return (static_cast<platform::WPARAM>(static_cast<std::uint16_t>(system)) << 16)
        | static_cast<std::uint16_t>(parent);
}
