// File names made from call signs. A call comes from a participant's file and never
// becomes a path as it stands.
#pragma once

#include <set>
#include <string>

// Letters, digits and '-' stay; '/' and everything else (separators, dots, drive colons,
// blanks, control and non-ASCII bytes) become '_'. A name Windows keeps for a device
// (CON, PRN, AUX, NUL, COM0-9, LPT0-9, in any case) gets a leading '_'; an empty one is
// "_"; at most 64 characters.
std::string SafeFileStem(const std::string& call);

// "<stem>.txt" for each station, never the same name twice (names that differ only in case
// are the same file on Windows): a repeated stem gets "-2", "-3", ...
class ReportFileNames {
  public:
    std::string Claim(const std::string& call);

  private:
    std::set<std::string> m_taken;  // upper case
};
