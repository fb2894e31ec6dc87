// Small text helpers shared by the log readers, the country file, the summary reader and the
// pages the hosts write.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a text without their line ends ("\n" or "\r\n"); a last line without a line
// end counts too, an empty text has none.
std::vector<std::string_view> Lines(std::string_view text);
// The text without the UTF-8 byte-order mark that some editors and loggers put first.
std::string_view WithoutByteOrderMark(std::string_view text);
// Without leading and trailing blanks, tabs and line ends.
std::string Trim(std::string_view text);
// ASCII letters folded to upper or lower case.
std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
// At most 40 characters with every byte outside printable ASCII shown as '?', for messages.
std::string Printable(std::string_view text);
// The same in double quotes.
std::string Shown(std::string_view text);
// For HTML element content and attribute values: "&", "<", ">" and both quotes escaped; bytes
// outside printable ASCII (a log's own code page is not known) become '?'.
std::string EscapeHtml(std::string_view text);
