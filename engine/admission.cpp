// QSO admission.
#include "engine/admission.h"

void AdmitQso(const QsoArgs& /*args*/) {}
