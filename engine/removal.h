// QSO removal (RemoveData0): takes the first matching record out of the log, judges the
// later records again, rewrites the rejected-QSO report and signals the status window.
#pragma once

#include "engine/qso_args.h"
#include "engine/qso_record.h"

// Takes the engine lock itself; calls the status link only without it.
void RemoveQso(const QsoArgs& args);

// Two QSO times match when their statuses are equal and, for valid and for invalid ones,
// their day counts are exactly equal; two null times match whatever their day counts. A QSO
// the host holds with an invalid time can thus be deleted like any other.
bool SameQsoTime(const DateTime& a, const DateTime& b);
