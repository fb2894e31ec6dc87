// The Cabrillo export.
#include "reports/cabrillo_export.h"

CabrilloExport g_cabrilloExport;

int CabrilloExport::BeginCabrillo(const std::string& /*ownCall*/, const DateTime& /*startTime*/,
                                  const DateTime& /*endTime*/) {
    return 0;
}

std::string ExportCabrilloLog() {
    return "";
}
