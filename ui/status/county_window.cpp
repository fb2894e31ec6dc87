// County grid window.
#include "ui/status/county_window.h"

#include "resources/resource.h"
#include "ui/controls/modeless_keyboard.h"
#include "ui/controls/portable/drawn_shapes.h"
#include "ui/controls/repaint.h"
#include "ui/controls/subclassed_control.h"
#include "ui/status/window_look.h"

namespace {

constexpr const char* kXKey = "yo_x";
constexpr const char* kYKey = "yo_y";

// Asks the window's own thread to repaint every button at once.
constexpr UINT kRepaintCountiesMessage = WM_APP + 61;

}  // namespace

const std::array<CountyButton, kCountyCount> kCountyButtons = {{
    {1015, "AB"}, {1016, "AG"}, {1018, "AR"}, {1019, "BC"}, {1020, "BH"}, {1021, "BN"},
    {1022, "BT"}, {1023, "BR"}, {1024, "BV"}, {1025, "BU"}, {1026, "BZ"}, {1027, "CJ"},
    {1028, "CL"}, {1029, "CS"}, {1030, "CT"}, {1031, "CV"}, {1032, "DB"}, {1033, "DJ"},
    {1034, "GJ"}, {1035, "GL"}, {1036, "GR"}, {1037, "HD"}, {1038, "HR"}, {1039, "IF"},
    {1040, "IL"}, {1041, "IS"}, {1042, "MH"}, {1043, "MM"}, {1044, "MS"}, {1045, "NT"},
    {1046, "OT"}, {1047, "PH"}, {1048, "SB"}, {1049, "SJ"}, {1050, "SM"}, {1051, "SV"},
    {1052, "TL"}, {1053, "TM"}, {1054, "TR"}, {1055, "VL"}, {1056, "VN"}, {1057, "VS"},
}};

YO_County::YO_County() : Dialog(IDD_YO_COUNTY) {}

YO_County::~YO_County() {
    m_window.store(nullptr);
    if (hwnd() != nullptr) {
        UnregisterModelessDialog(hwnd());
    }
}

bool YO_County::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

BOOL YO_County::OnInitDialog() {
    PlaceWindowFromSettings(hwnd(), kXKey, kYKey);
    for (size_t k = 0; k < kCountyButtons.size(); ++k) {
        CAdvancedButton& button = m_countyButtons[k];
        if (button.SubclassWithColors(kCountyButtons[k].id, hwnd(), kUnworkedFace, kUnworkedText,
                                      kUnworkedDisabledText)) {
            button.SetShape(kShapeEllipse);
        }
    }
    if (g_onTop.load() != 0) {
        MakeTopmost(hwnd());
    }
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    ApplyWindowChrome(hwnd());
    RegisterModelessDialog(hwnd());
    m_window.store(hwnd());
    return TRUE;
}

void YO_County::MarkWorkedCounties(const std::vector<std::string>& counties) {
    for (auto& flag : m_countyWorked) {
        flag.store(0);
    }
    for (const std::string& county : counties) {
        for (size_t k = 0; k < kCountyButtons.size(); ++k) {
            if (m_countyWorked[k].load() == 0 && county == kCountyButtons[k].code) {
                m_countyWorked[k].store(1);
                m_countyButtons[k].SetBackColor(kWorkedFace);
                m_countyButtons[k].SetForeColor(kWorkedText);
            }
        }
    }
}

void YO_County::ResetCountyMarks() {
    for (auto& flag : m_countyWorked) {
        flag.store(0);
    }
    for (CAdvancedButton& button : m_countyButtons) {
        button.SetBackColor(kUnworkedFace);
        button.SetForeColor(kUnworkedText);
    }
    const HWND window = m_window.load();
    if (window != nullptr && !IsOwnWindow(window)) {
        PostMessageW(window, kRepaintCountiesMessage, 0, 0);
    }
}

void YO_County::UpdateControls() {
    if (hwnd() == nullptr) {
        return;
    }
    for (size_t k = 0; k < kCountyButtons.size(); ++k) {
        CheckDlgButton(hwnd(), kCountyButtons[k].id,
                       m_countyWorked[k].load() != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void YO_County::RepaintButtons() {
    for (CAdvancedButton& button : m_countyButtons) {
        button.Redraw();
    }
}

INT_PTR YO_County::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    switch (message) {
        case WM_SETCURSOR:
            SaveWindowPosition(hwnd(), kXKey, kYKey);
            return 0;
        case WM_DRAWITEM: {
            INT_PTR result = 0;
            handled = ReflectToControl(message, wParam, lParam, result);
            return result;
        }
        case kRepaintCountiesMessage:
            RepaintButtons();
            handled = true;
            return 0;
        case WM_CLOSE:
            OnCancel();
            handled = true;
            return 0;
        case WM_DESTROY:
            m_window.store(nullptr);
            UnregisterModelessDialog(hwnd());
            return 0;
        default:
            break;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        handled = true;
        return ColourControl(reinterpret_cast<HDC>(wParam), m_brush.get());
    }
    return 0;
}
