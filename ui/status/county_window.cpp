// County grid window.
#include "ui/status/county_window.h"

#include "resources/resource.h"
#include "ui/controls/portable/drawn_shapes.h"
#include "ui/controls/repaint.h"

namespace {

constexpr const char* kXKey = "yo_x";
constexpr const char* kYKey = "yo_y";

// Asks the window's own thread to reset every button.
constexpr UINT kResetCountiesMessage = WM_APP + 61;

}  // namespace

constexpr std::array<CountyButton, kCountyTotal> kCountyButtons = {{
    {1015, "AB"}, {1016, "AG"}, {1018, "AR"}, {1019, "BC"}, {1020, "BH"}, {1021, "BN"},
    {1022, "BT"}, {1023, "BR"}, {1024, "BV"}, {1025, "BU"}, {1026, "BZ"}, {1027, "CJ"},
    {1028, "CL"}, {1029, "CS"}, {1030, "CT"}, {1031, "CV"}, {1032, "DB"}, {1033, "DJ"},
    {1034, "GJ"}, {1035, "GL"}, {1036, "GR"}, {1037, "HD"}, {1038, "HR"}, {1039, "IF"},
    {1040, "IL"}, {1041, "IS"}, {1042, "MH"}, {1043, "MM"}, {1044, "MS"}, {1045, "NT"},
    {1046, "OT"}, {1047, "PH"}, {1048, "SB"}, {1049, "SJ"}, {1050, "SM"}, {1051, "SV"},
    {1052, "TL"}, {1053, "TM"}, {1054, "TR"}, {1055, "VL"}, {1056, "VN"}, {1057, "VS"},
}};

namespace {

constexpr bool SameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool GridShowsEveryCountyOnce() {
    for (const char* code : kCountyCodes) {
        int shown = 0;
        for (const CountyButton& button : kCountyButtons) {
            shown += SameText(button.code, code) ? 1 : 0;
        }
        if (shown != 1) {
            return false;
        }
    }
    return true;
}

static_assert(GridShowsEveryCountyOnce(), "the grid shows the engine's county codes, each once");

}  // namespace

YO_County::YO_County() : GridWindow(IDD_YO_COUNTY, kXKey, kYKey) {}

YO_County::~YO_County() {
    m_window.store(nullptr);
}

BOOL YO_County::OnInitDialog() {
    PlaceFromSettings();
    for (size_t k = 0; k < kCountyButtons.size(); ++k) {
        CAdvancedButton& button = m_countyButtons[k];
        if (button.SubclassWithColors(kCountyButtons[k].id, hwnd(), kUnworkedFace, kUnworkedText,
                                      kUnworkedDisabledText)) {
            button.SetShape(kShapeEllipse);
        }
    }
    FinishSetup();
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
    const HWND window = m_window.load();
    if (window != nullptr && !IsOwnWindow(window) &&
        PostMessageW(window, kResetCountiesMessage, 0, 0)) {
        return;
    }
    ResetNow();
}

void YO_County::ResetNow() {
    for (auto& flag : m_countyWorked) {
        flag.store(0);
    }
    for (CAdvancedButton& button : m_countyButtons) {
        button.SetBackColor(kUnworkedFace);
        button.SetForeColor(kUnworkedText);
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

INT_PTR YO_County::OnGridMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    handled = message == kResetCountiesMessage;
    if (handled) {
        ResetNow();
    }
    return 0;
}
