// The Cabrillo export: header from the settings file and the dialog, QSO lines from the
// log, and the file written whole or not at all.
#include "reports/cabrillo_export.h"

#include <algorithm>
#include <climits>

#include "engine/contest_start.h"
#include "engine/engine_state.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "reports/replace_all.h"

CabrilloExport g_cabrilloExport;

namespace {

constexpr const char* kFallbackFileBase = "VREL";

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// CREATED-BY takes the host version the way the contest start finds it, except that
// without a "Ravo2.ini" there is no version at all (the contest start falls back to "Ravo").
std::string CabrilloHostVersion() {
    if (!FindFileNameContaining("*.ini", kHostIniName)) {
        return "";
    }
    return ReadHostVersion("").value_or("");
}

int32_t ClaimedScore() {
    EngineLock lock(g_engineMutex);
    return g_claimedScore;
}

}  // namespace

std::string CabrilloFileBase(const std::string& ownCall) {
    const std::string replaced = ReplaceAll(ReplaceAll(ownCall, "/", "_"), "\\", "_");
    const auto first = std::find_if_not(replaced.begin(), replaced.end(), IsWhiteSpace);
    const auto last = std::find_if_not(replaced.rbegin(), replaced.rend(), IsWhiteSpace).base();
    if (first >= last) {
        return kFallbackFileBase;
    }
    return std::string(first, last);
}

std::string ToEditForm(const std::string& stored) {
    return ReplaceAll(ReplaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string ToStoredForm(const std::string& edit) {
    return ReplaceAll(ReplaceAll(edit, "\r", "<CR>"), "\n", "<LF>");
}

std::string ToFileForm(const std::string& stored, const std::string& tag) {
    return ReplaceAll(ReplaceAll(stored, "<CR>", "\r\n" + tag + ": "), "<LF>", "");
}

int CabrilloExport::BeginCabrillo(const std::string& ownCall, const DateTime& startTime,
                                  const DateTime& endTime) {
    return BeginCabrillo(ownCall, startTime, endTime, ShowCabrilloDialog);
}

int CabrilloExport::BeginCabrillo(const std::string& ownCall, const DateTime& startTime,
                                  const DateTime& endTime,
                                  const CabrilloDialogFunction& showDialog) {
    m_callsign = ownCall;
    m_startTime = startTime;
    m_endTime = endTime;
    m_fileBase = CabrilloFileBase(ownCall);

    m_operators = ReadSetting("Operators", m_callsign);
    m_name = ReadSetting("Name");
    m_address = ToEditForm(ReadSetting("Address"));
    m_claimed = ReadSetting("Claimed");
    m_email = ReadSetting("Email");
    m_club = ReadSetting("Club");
    m_soapbox = ToEditForm(ReadSetting("SoapBox"));
    // Neither is taken from the settings file: every start offers the contest's own values.
    m_contest = kCabrilloContestName;
    m_category = kCabrilloCategory;

    CabrilloHeaderFields fields;
    fields.callsign = ownCall;
    fields.claimed = m_claimed;
    fields.club = m_club;
    fields.category = m_category;
    fields.contest = m_contest;
    fields.email = m_email;
    fields.name = m_name;
    fields.operators = m_operators;
    fields.soapbox = m_soapbox;
    fields.address = m_address;
    // CANCEL keeps the values just loaded: the file is still written at the next summary.
    if (!showDialog || !showDialog(fields)) {
        return 0;
    }

    // The claimed score is the summary's to store; the file base stays the one of the call
    // passed by the host.
    m_callsign = fields.callsign;
    m_operators = fields.operators;
    m_category = fields.category;
    m_name = fields.name;
    m_address = fields.address;
    m_contest = fields.contest;
    m_email = fields.email;
    m_club = fields.club;
    m_soapbox = fields.soapbox;

    WriteSetting("Operators", m_operators);
    WriteSetting("Name", m_name);
    WriteSetting("Address", ToStoredForm(m_address));
    WriteSetting("Category", m_category);
    WriteSetting("Contest", m_contest);
    WriteSetting("Email", m_email);
    WriteSetting("Club", m_club);
    WriteSetting("SoapBox", ToStoredForm(m_soapbox));

    m_qsoLines.clear();
    return 1;
}

void CabrilloExport::AddQsoLine(const std::string& call, uint32_t freqKHz,
                                const std::string& modeCode, const DateTime& time,
                                const std::string& rstSent, const std::string& exchSent,
                                const std::string& rstRcvd, const std::string& exchRcvd) {
    const int frequency = static_cast<int>(std::min<uint32_t>(freqKHz, INT_MAX));
    const std::string when = FormatDateTime(time, "%Y-%m-%d %H%M");
    m_qsoLines.push_back(StringPrintf("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n",
                                      frequency, modeCode.c_str(), when.c_str(), m_callsign.c_str(),
                                      rstSent.c_str(), exchSent.c_str(), call.c_str(),
                                      rstRcvd.c_str(), exchRcvd.c_str()));
}

std::string CabrilloExport::CabrilloFileText(int32_t claimedScore,
                                             const std::string& hostVersion) const {
    std::string text = "START-OF-LOG: 2.0\r\n";
    text += "CALLSIGN: " + m_callsign + "\r\n";
    text += "CATEGORY: " + m_category + "\r\n";
    text += "CLAIMED-SCORE: " + std::to_string(claimedScore) + "\r\n";
    text += "CLUB: " + m_club + "\r\n";
    // Fixed: the contest text of the dialog is stored in the settings only.
    text += "CONTEST: Sarnet Contest\r\n";
    text += "CREATED-BY: Ravo " + hostVersion + "\r\n";
    text += "NAME: " + m_name + "\r\n";
    text += "ADDRESS: " + ToFileForm(ToStoredForm(m_address), "ADDRESS") + "\r\n";
    text += "OPERATORS: " + m_operators + "\r\n";
    text += "EMAIL: " + m_email + "\r\n";
    text += "SOAPBOX: " + ToFileForm(ToStoredForm(m_soapbox), "SOAPBOX") + "\r\n";
    for (const std::string& line : m_qsoLines) {
        text += line;
    }
    text += "END-OF-LOG:\r\n";
    return text;
}

std::string CabrilloExport::WriteCabrilloFile() {
    const std::string name = FileName();
    const std::string reason =
        ReplaceFileContents(name, CabrilloFileText(ClaimedScore(), CabrilloHostVersion()));
    if (!reason.empty()) {
        return "File not produced: " + name + ": " + reason;
    }
    return "File produced: " + name;
}

std::string ExportCabrilloLog() {
    {
        EngineLock lock(g_engineMutex);
        g_cabrilloExport.m_qsoLines.clear();
        for (const CInfo& record : g_qsoLog) {
            if (record.m_invalid != 0) {
                continue;
            }
            // Only the exact text "BPSK31" is written as "RY"; any other mode, also "bpsk31"
            // which the mode rule accepts, as "??".
            const char* modeCode = record.m_mode == "BPSK31" ? "RY" : "??";
            g_cabrilloExport.AddQsoLine(record.m_call, record.m_freqKHz, modeCode, record.m_time,
                                        record.m_rstSent, record.m_exchSent, record.m_rstRcvd,
                                        record.m_exchRcvd);
        }
    }
    // The file is written without the engine lock: the status thread may need it meanwhile.
    return g_cabrilloExport.WriteCabrilloFile();
}
