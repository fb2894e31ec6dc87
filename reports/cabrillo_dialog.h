// The seam between the Cabrillo export and its header dialog: the header's ten texts, which
// the export holds and the dialog edits in place, and the function that shows it (a real
// dialog on Windows, none elsewhere).
#pragma once

#include <functional>
#include <string>

struct CabrilloHeaderFields {
    std::string callsign;
    std::string claimed;
    std::string club;
    std::string category;
    std::string contest;
    std::string email;
    std::string name;
    std::string operators;
    std::string soapbox;  // edit form: lines separated by CR LF
    std::string address;  // edit form, like the soapbox
};

// Shows the header dialog modally on the calling thread. Returns true when the operator
// closed it with OK, with every field read back from the dialog; false otherwise, with the
// fields untouched. Without a desktop it returns true at once, as if OK had been pressed
// without edits.
bool ShowCabrilloDialog(CabrilloHeaderFields& fields);

using CabrilloDialogFunction = std::function<bool(CabrilloHeaderFields&)>;
