// The Cabrillo header dialog (template 101): the header's ten texts shown in their controls and
// read back into it on OK only. Modal on the calling thread, which is the host's, owned by its
// main window.
#include <windows.h>

#include "platform/win32/dialog.h"
#include "platform/win32/host_window.h"
#include "reports/cabrillo_dialog.h"
#include "resources/resource.h"

namespace {

constexpr const char* kCategoryChoice = "SINGLE-OP 80V";

// Each text's control, in the order the dialog fills them.
struct FieldControl {
    int id;
    std::string CabrilloHeaderFields::*member;
};
constexpr FieldControl kFieldControls[] = {
    {IDC_CAB_CALLSIGN, &CabrilloHeaderFields::callsign},
    {IDC_CAB_CLAIMED, &CabrilloHeaderFields::claimed},
    {IDC_CAB_CLUB, &CabrilloHeaderFields::club},
    {IDC_CAB_CATEGORY, &CabrilloHeaderFields::category},
    {IDC_CAB_CONTEST, &CabrilloHeaderFields::contest},
    {IDC_CAB_EMAIL, &CabrilloHeaderFields::email},
    {IDC_CAB_NAME, &CabrilloHeaderFields::name},
    {IDC_CAB_OPERATORS, &CabrilloHeaderFields::operators},
    {IDC_CAB_SOAPBOX, &CabrilloHeaderFields::soapbox},
    {IDC_CAB_ADDRESS, &CabrilloHeaderFields::address},
};

class Cabrillo : public Dialog {
  public:
    explicit Cabrillo(CabrilloHeaderFields& fields) : Dialog(IDD_CABRILLO), m_fields(fields) {}

  protected:
    BOOL OnInitDialog() override {
        SendDlgItemMessageA(hwnd(), IDC_CAB_CATEGORY, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(kCategoryChoice));
        for (const FieldControl& field : kFieldControls) {
            if (field.id == IDC_CAB_CATEGORY) {
                ShowCategory();
            } else {
                SetItemText(field.id, m_fields.*field.member);
            }
        }
        return TRUE;
    }

    // The combo box is read by its text field: the chosen entry or whatever was typed.
    void OnOK() override {
        for (const FieldControl& field : kFieldControls) {
            m_fields.*field.member = ItemText(field.id);
        }
        Dialog::OnOK();
    }

  private:
    // Selects the first list entry that begins with the category, ignoring letter case;
    // without one the text field shows the category as it is.
    void ShowCategory() {
        const HWND combo = Item(IDC_CAB_CATEGORY);
        const LRESULT index = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(m_fields.category.c_str()));
        if (index != CB_ERR) {
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        } else {
            SetWindowTextA(combo, m_fields.category.c_str());
        }
    }

    // The caller's fields: shown at the start, written on OK only.
    CabrilloHeaderFields& m_fields;
};

}  // namespace

bool ShowCabrilloDialog(CabrilloHeaderFields& fields) {
    Cabrillo dialog(fields);
    return dialog.DoModal(HostMainWindow()) == IDOK;
}
