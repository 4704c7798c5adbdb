#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "device/GrpAdrNodes.h"
#include "device/RecGroupAddrInfo.h"

#include <cstdint>
#include <string>

// The rules of the group-address check after an import, over the imported records, the
// project's middle and sub nodes and the list of addresses to create.

// The text of an object type code, taken as a signed byte: "1 Bit" … "VARDATA", otherwise
// "unbekannter Objekttyp" and the code.
std::string GetObjTypText(int typ);

// Files the address of record r (Param15; 0 = none) with the object line of the communication
// object o: a new entry takes o's type, later objects add their line. A value out of the
// address range is filed as invalid (gsUngueltig) under its raw number.
void CheckAndSaveGroupAddr(TUsedGroupAddrMap& map, const TDatenStruktur& r, const TDatenStruktur& o);

// Files the addresses of every communication object (Typ 806) of the table and of its child
// records, in table order. False when there is no table or no communication object.
bool CollectUsedGroupAddr(const TDatenManager<TDatenStruktur>* table, TUsedGroupAddrMap& map);

// The current address of the entry as the list shows it; an invalid one as its raw number.
std::string GaCurrentText(const TRecGroupAddrInfo& entry, bool threeLevels);

// The state of an address for an object type code among the project's sub groups: Ok (with the
// host id of the first sub group that suits) when any with the address suits, wrong type when
// some have it but none suits, missing when none has it.
TEnumGaStatus KonvertEtsGAId(const TGrpAdrNodes::TMap& nodes, std::uint32_t address, int typ, std::int32_t& id);

// Works the state of every entry out again: a target of its own or another address is Ok,
// otherwise the lookup decides (with copy, an address found Ok becomes its own target); an
// invalid entry keeps no target. True when every entry is Ok.
bool AbgleichStatusUsedGroupAddr(TUsedGroupAddrMap& map, const TGrpAdrNodes::TMap& nodes, bool copy);

// "Fehlende GA erzeugen": every entry without target whose address the project lacks becomes its
// own target, Ok, and is queued once as "Neue Untergruppe"; invalid entries are never queued.
void CreateFailedGa(TUsedGroupAddrMap& map, const TGrpAdrNodes::TMap& nodes, TNewGroupAddrList& toCreate);

// The order of two rows by column (0 current, 1 target, 2 type, 3 status); equal keys answer 0,
// descending negates, rows without data compare equal.
int CompareGaRows(const TRecGroupAddrInfo* a, const TRecGroupAddrInfo* b, int column, bool ascending);
