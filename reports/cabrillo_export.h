// CabrilloExport: the Cabrillo 2.0 log with its header, kept between contest starts.
#pragma once

#include <string>

#include "platform/date_time.h"

class CabrilloExport {
  public:
    // Fills the header from the settings file, shows the header dialog and saves on OK.
    // Returns 1 when the operator closed the dialog with OK, 0 otherwise.
    int BeginCabrillo(const std::string& ownCall, const DateTime& startTime,
                      const DateTime& endTime);
};

extern CabrilloExport g_cabrilloExport;

// The Cabrillo pass of a summary in a Cabrillo run: selects the valid QSOs of the log,
// writes the file and returns the text to show the operator.
std::string ExportCabrilloLog();
