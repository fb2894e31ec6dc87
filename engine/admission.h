// QSO admission (AddData0): builds the record, applies the band, mode, number, county and
// duplicate rules, writes the rejected-QSO report lines and appends the record to the log.
#pragma once

#include <string>

#include "engine/qso_args.h"
#include "engine/qso_log.h"

// Takes the engine lock itself. Posts nothing to the status window.
void AdmitQso(const QsoArgs& args);

// Judges a record again by the duplicate rule against the records now in the log (those
// before it) and sets its duplicate and rejected flags. Records without notes stay as they
// are. The caller holds the engine lock.
void JudgeDuplicateAgain(LoggedQso& entry, const QsoLog& earlier);

// The report lines of a record as last judged: its rule findings, then the duplicate
// finding when it is one.
std::string ReportLinesOf(const CInfo& record, const AdmissionNotes& notes);

// The county text of a home-country exchange: its last two characters (the whole text
// when shorter), upper-cased, with surrounding white space removed.
std::string DeriveCountyText(const std::string& exchangeReceived);

// The received exchange as stored: its first blank removed unless it opens the text.
std::string StoredExchangeReceived(const std::string& exchangeReceived);
