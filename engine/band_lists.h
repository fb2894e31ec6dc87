// The per-band lists the status windows show, one slot per band, with who writes and who
// reads each. All three are guarded by g_engineMutex; the writers named here are the only
// ones, and no paint changes a list.
//
//   g_bandRows       the previous-QSO rows, indexed by the band's position in g_bandRules.
//                    Written by the contest start (each row: band text, then four "-") and by
//                    the refresh on the status thread, which fills cells 1 to 4 with the
//                    earlier contact of the call being entered. Read by the DXCC window's
//                    paint (slot 1).
//   g_bandPrefixes   the DXCC prefixes worked on each band of kBandSlotNames, in ascending
//                    byte-wise order. Written only by the results summary, for each band it
//                    summarises. Read by the refresh (count) and the DXCC window's paint.
//   g_bandCounties   the counties worked on each band of kBandSlotNames, in the order first
//                    worked. Written only by the results summary, like the prefixes. Read by
//                    the refresh (count and county marks).
//
// A slot whose band is no longer summarised keeps its lists.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/rule_tables.h"

using StringList = std::vector<std::string>;
using BandLists = std::array<StringList, kBandSlotCount>;

extern BandLists g_bandRows;
extern BandLists g_bandPrefixes;
extern BandLists g_bandCounties;
