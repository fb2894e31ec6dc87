// QSO removal (RemoveData0).
#pragma once

#include "engine/qso_args.h"

void RemoveQso(const QsoArgs& args);
