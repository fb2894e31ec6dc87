// QSO admission (AddData0): builds the record, applies the band, mode, number, county and
// duplicate rules, writes the rejected-QSO report lines and appends the record to the log.
#pragma once

#include "engine/qso_args.h"

void AdmitQso(const QsoArgs& args);
