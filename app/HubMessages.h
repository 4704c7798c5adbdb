#pragma once

#include "outside/viewkit/CharTabMessages.h"
#include "platform/WindowMessages.h"

// The messages to the main window that only its hub names: those the outside libraries send
// (their numbers are fixed) and those of the options and global-parameter dialogs. The others
// are declared with their senders.
inline constexpr platform::UINT WM_QUERYOPEN = 0x0013;
inline constexpr platform::UINT WM_USER_IGNORED100 = platform::WM_USER + 100;
inline constexpr platform::UINT WM_USER_IGNORED104 = platform::WM_USER + 104;
inline constexpr platform::UINT WM_USER_SHOWOBJECTINVIEW = platform::WM_USER + 110;      // 0, data object
inline constexpr platform::UINT WM_USER_LOADCOLOR = platform::WM_USER + 111;             // sent (0, 0)
inline constexpr platform::UINT WM_USER_LOADSIZE = platform::WM_USER + 113;              // sent (0, 0)
inline constexpr platform::UINT WM_USER_UPDATEACTIVETREE = platform::WM_USER + 120;
inline constexpr platform::UINT WM_USER_GETPHYSADR = platform::WM_USER + 134;            // device id, std::string*
inline constexpr platform::UINT WM_USER_ETSOBJEKTCHECK = platform::WM_USER + 136;        // sent (0, 0)
inline constexpr platform::UINT WM_USER_TREEUPDATE = platform::WM_USER + 141;            // 1 begin, other end
inline constexpr platform::UINT WM_USER_UPDATEICON = platform::WM_USER + 142;            // two data objects
inline constexpr platform::UINT WM_USER_IGNORED147 = platform::WM_USER + 147;
inline constexpr platform::UINT WM_USER_SETNUMBERSELECTABLEGRPADR = platform::WM_USER + 153; // number, object number
inline constexpr platform::UINT WM_USER_SETETSOBJEKTVALUE = platform::WM_USER + 154;     // value, object number
inline constexpr platform::UINT WM_USER_SETETSOBJEKTFLAG = platform::WM_USER + 155;      // on, object number
inline constexpr platform::UINT WM_USER_SETOBJIDENTTODATA = platform::WM_USER + 158;     // handle, ident
inline constexpr platform::UINT WM_USER_IGNORED160 = platform::WM_USER + 160;
inline constexpr platform::UINT WM_USER_GLOBALPARAMETERINITDATA = platform::WM_USER + 183; // passed on
inline constexpr platform::UINT WM_USER_GETSHOWGLOBALPARAMETERTAG = platform::WM_USER + 184;
inline constexpr platform::UINT WM_USER_GRIDENTERCELL = platform::WM_USER + 189;         // 0, TCell*
