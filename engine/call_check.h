// The call check (CheckCall0): how a QSO with a station would count.
#pragma once

#include "engine/qso_args.h"

enum CallCheckResult : int {
    CALL_DUPE = 0,
    CALL_WORKED_PREFIX = 1,
    CALL_NEW_PREFIX = 2,
    CALL_NOT_SCORED = 4,
};

int CheckCall(const CallCheckArgs& args);
