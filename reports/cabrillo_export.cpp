// The Cabrillo export: header from the settings file and the dialog, QSO lines from the
// log, and the file written whole or not at all.
#include "reports/cabrillo_export.h"

#include <algorithm>
#include <climits>

#include "engine/contest_start.h"
#include "engine/engine_state.h"
#include "platform/file_names.h"
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

// The header's keys in the settings file, in the order they are saved. The call sign is the
// host's; the claimed score is the results summary's to store; the contest and the category
// are offered afresh at every start but saved as edited.
struct HeaderKey {
    const char* key;
    std::string CabrilloHeaderFields::*member;
    bool load;
    bool save;
    bool multiLine;
};
constexpr HeaderKey kHeaderKeys[] = {
    {"Operators", &CabrilloHeaderFields::operators, true, true, false},
    {"Name", &CabrilloHeaderFields::name, true, true, false},
    {"Address", &CabrilloHeaderFields::address, true, true, true},
    {"Claimed", &CabrilloHeaderFields::claimed, true, false, false},
    {"Category", &CabrilloHeaderFields::category, false, true, false},
    {"Contest", &CabrilloHeaderFields::contest, false, true, false},
    {"Email", &CabrilloHeaderFields::email, true, true, false},
    {"Club", &CabrilloHeaderFields::club, true, true, false},
    {"SoapBox", &CabrilloHeaderFields::soapbox, true, true, true},
};

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
    return PlainFileName(std::string(first, last));
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
    m_startTime = startTime;
    m_endTime = endTime;
    m_fileBase = CabrilloFileBase(ownCall);

    m_header = CabrilloHeaderFields();
    m_header.callsign = ownCall;
    // Offered when none is stored.
    m_header.operators = ownCall;
    // Neither is taken from the settings file: every start offers the contest's own values.
    m_header.contest = kCabrilloContestName;
    m_header.category = kCabrilloCategory;
    std::vector<SettingEntry> loaded;
    for (const HeaderKey& entry : kHeaderKeys) {
        if (entry.load) {
            loaded.push_back({entry.key, m_header.*entry.member});
        }
    }
    ReadSettings(loaded);
    auto stored = loaded.begin();
    for (const HeaderKey& entry : kHeaderKeys) {
        if (entry.load) {
            m_header.*entry.member = entry.multiLine ? ToEditForm(stored->value) : stored->value;
            ++stored;
        }
    }
    // CANCEL keeps the values just loaded: the file is still written at the next summary.
    // OK leaves the edits in the header; the file base stays the one of the call passed by
    // the host.
    if (!showDialog || !showDialog(m_header)) {
        return 0;
    }
    std::vector<SettingEntry> saved;
    for (const HeaderKey& entry : kHeaderKeys) {
        if (entry.save) {
            const std::string& value = m_header.*entry.member;
            saved.push_back({entry.key, entry.multiLine ? ToStoredForm(value) : value});
        }
    }
    WriteSettings(saved);
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
                                      frequency, modeCode.c_str(), when.c_str(),
                                      m_header.callsign.c_str(), rstSent.c_str(), exchSent.c_str(),
                                      call.c_str(), rstRcvd.c_str(), exchRcvd.c_str()));
}

std::string CabrilloExport::CabrilloFileText(int32_t claimedScore,
                                             const std::string& hostVersion) const {
    const CabrilloHeaderFields& h = m_header;
    std::string text = "START-OF-LOG: 2.0\r\n";
    text += "CALLSIGN: " + h.callsign + "\r\n";
    text += "CATEGORY: " + h.category + "\r\n";
    text += "CLAIMED-SCORE: " + std::to_string(claimedScore) + "\r\n";
    text += "CLUB: " + h.club + "\r\n";
    // Fixed: the contest text of the dialog is stored in the settings only.
    text += "CONTEST: Sarnet Contest\r\n";
    text += "CREATED-BY: Ravo " + hostVersion + "\r\n";
    text += "NAME: " + h.name + "\r\n";
    text += "ADDRESS: " + ToFileForm(ToStoredForm(h.address), "ADDRESS") + "\r\n";
    text += "OPERATORS: " + h.operators + "\r\n";
    text += "EMAIL: " + h.email + "\r\n";
    text += "SOAPBOX: " + ToFileForm(ToStoredForm(h.soapbox), "SOAPBOX") + "\r\n";
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

void AskCabrilloHeader(const ContestStartArgs& args) {
    g_cabrilloExport.BeginCabrillo(args.ownCall, args.firstDate, args.secondDate);
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
