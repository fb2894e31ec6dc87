// The Cabrillo header dialog (template 101): ten texts shown in their controls, read back
// on OK only. Modal on the calling thread, which is the host's, owned by its main window.
#include <windows.h>

#include "platform/win32/dialog.h"
#include "platform/win32/host_window.h"
#include "reports/cabrillo_dialog.h"
#include "resources/resource.h"

namespace {

constexpr const char* kCategoryChoice = "SINGLE-OP 80V";

class Cabrillo : public Dialog {
  public:
    Cabrillo() : Dialog(IDD_CABRILLO) {}

    std::string m_callsign;
    std::string m_claimed;
    std::string m_club;
    std::string m_category;
    std::string m_contest;
    std::string m_email;
    std::string m_name;
    std::string m_operators;
    std::string m_soapbox;
    std::string m_address;

  protected:
    BOOL OnInitDialog() override {
        SendDlgItemMessageA(hwnd(), IDC_CAB_CATEGORY, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(kCategoryChoice));
        SetItemText(IDC_CAB_CALLSIGN, m_callsign);
        SetItemText(IDC_CAB_CLAIMED, m_claimed);
        SetItemText(IDC_CAB_CLUB, m_club);
        ShowCategory();
        SetItemText(IDC_CAB_CONTEST, m_contest);
        SetItemText(IDC_CAB_EMAIL, m_email);
        SetItemText(IDC_CAB_NAME, m_name);
        SetItemText(IDC_CAB_OPERATORS, m_operators);
        SetItemText(IDC_CAB_SOAPBOX, m_soapbox);
        SetItemText(IDC_CAB_ADDRESS, m_address);
        return TRUE;
    }

    void OnOK() override {
        m_callsign = ItemText(IDC_CAB_CALLSIGN);
        m_claimed = ItemText(IDC_CAB_CLAIMED);
        m_club = ItemText(IDC_CAB_CLUB);
        // The combo box's text field: the chosen entry or whatever was typed.
        m_category = ItemText(IDC_CAB_CATEGORY);
        m_contest = ItemText(IDC_CAB_CONTEST);
        m_email = ItemText(IDC_CAB_EMAIL);
        m_name = ItemText(IDC_CAB_NAME);
        m_operators = ItemText(IDC_CAB_OPERATORS);
        m_soapbox = ItemText(IDC_CAB_SOAPBOX);
        m_address = ItemText(IDC_CAB_ADDRESS);
        Dialog::OnOK();
    }

  private:
    // Selects the first list entry that begins with the category, ignoring letter case;
    // without one the text field shows the category as it is.
    void ShowCategory() {
        const HWND combo = Item(IDC_CAB_CATEGORY);
        const LRESULT index = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(m_category.c_str()));
        if (index != CB_ERR) {
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        } else {
            SetWindowTextA(combo, m_category.c_str());
        }
    }
};

}  // namespace

bool ShowCabrilloDialog(CabrilloHeaderFields& fields) {
    Cabrillo dialog;
    dialog.m_callsign = fields.callsign;
    dialog.m_claimed = fields.claimed;
    dialog.m_club = fields.club;
    dialog.m_category = fields.category;
    dialog.m_contest = fields.contest;
    dialog.m_email = fields.email;
    dialog.m_name = fields.name;
    dialog.m_operators = fields.operators;
    dialog.m_soapbox = fields.soapbox;
    dialog.m_address = fields.address;
    if (dialog.DoModal(HostMainWindow()) != IDOK) {
        return false;
    }
    fields.callsign = dialog.m_callsign;
    fields.claimed = dialog.m_claimed;
    fields.club = dialog.m_club;
    fields.category = dialog.m_category;
    fields.contest = dialog.m_contest;
    fields.email = dialog.m_email;
    fields.name = dialog.m_name;
    fields.operators = dialog.m_operators;
    fields.soapbox = dialog.m_soapbox;
    fields.address = dialog.m_address;
    return true;
}
