// CabrilloExport: the Cabrillo 2.0 log with its header, kept between contest starts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/contest_start.h"
#include "platform/date_time.h"
#include "reports/cabrillo_dialog.h"

constexpr const char* kCabrilloContestName = " Sarnet Contest";
constexpr const char* kCabrilloCategory = "SINGLE-OP 80M";

class CabrilloExport {
  public:
    // Fills the header from the settings file, shows the header dialog and saves on OK.
    // Returns 1 when the operator closed the dialog with OK, 0 otherwise.
    int BeginCabrillo(const std::string& ownCall, const DateTime& startTime,
                      const DateTime& endTime);
    // The same with the dialog given by the caller.
    int BeginCabrillo(const std::string& ownCall, const DateTime& startTime,
                      const DateTime& endTime, const CabrilloDialogFunction& showDialog);

    // Appends one "QSO: " line made with the header's current call sign.
    void AddQsoLine(const std::string& call, uint32_t freqKHz, const std::string& modeCode,
                    const DateTime& time, const std::string& rstSent, const std::string& exchSent,
                    const std::string& rstRcvd, const std::string& exchRcvd);

    // Writes m_fileBase + ".cbr" in the current directory and returns the text for the
    // operator: "File produced: <name>", or "File not produced: <name>: <reason>" when the
    // file could not be written, in which case an earlier file of that name stays as it was.
    std::string WriteCabrilloFile();

    // The whole file as WriteCabrilloFile writes it.
    std::string CabrilloFileText(int32_t claimedScore, const std::string& hostVersion) const;
    std::string FileName() const { return m_fileBase + ".cbr"; }

    // The header as the dialog shows and edits it. The address and the soapbox hold the edit
    // form (lines separated by CR LF) whether the dialog ended with OK or not; the settings
    // file gets the stored form and the Cabrillo file the file form, both made from it when
    // written. The claimed text is shown in the dialog only.
    CabrilloHeaderFields m_header;
    std::string m_fileBase;
    std::vector<std::string> m_qsoLines;
    DateTime m_startTime = {0.0, kDateNull};
    DateTime m_endTime = {0.0, kDateNull};
};

extern CabrilloExport g_cabrilloExport;

// The file base for an own call sign: "/" and "\" made "_", white space trimmed from both
// ends, "VREL" when nothing is left; what remains is made a plain file name (no drive,
// stream or device name, PlainFileName).
std::string CabrilloFileBase(const std::string& ownCall);

// Multi-line header values. The stored form keeps one settings line: CR as "<CR>", LF as
// "<LF>". The file form turns each "<CR>" into a line end followed by the tag ("ADDRESS: ")
// and drops "<LF>", so every further line becomes a header line of its own.
std::string ToEditForm(const std::string& stored);
std::string ToStoredForm(const std::string& edit);
std::string ToFileForm(const std::string& stored, const std::string& tag);

// The contest start's Cabrillo header step: loads the header, shows the dialog for the run's
// own call and dates, and saves on OK.
void AskCabrilloHeader(const ContestStartArgs& args);

// The Cabrillo pass of a summary in a Cabrillo run: selects the valid QSOs of the log,
// writes the file and returns the text to show the operator.
std::string ExportCabrilloLog();
