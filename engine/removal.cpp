// QSO removal.
#include "engine/removal.h"

void RemoveQso(const QsoArgs& /*args*/) {}
