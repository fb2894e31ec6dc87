// The call check.
#include "engine/call_check.h"

int CheckCall(const CallCheckArgs& /*args*/) {
    return CALL_NOT_SCORED;
}
