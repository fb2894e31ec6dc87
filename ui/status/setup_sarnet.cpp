// The status window: settings, prompts and captions, check boxes, host link and refreshes.
#include "ui/status/setup_sarnet.h"

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "ui/status/county_window.h"
#include "ui/status/host_application.h"
#include "ui/status/multiplier_window.h"
#include "ui/status/status_thread.h"
#include "ui/status/status_windows.h"
#include "ui/status/window_look.h"

std::string g_dxccPrefix;

Setup_Sarnet::Setup_Sarnet() : Dialog(IDD_SETUP_SARNET) {}

void Setup_Sarnet::DataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_viewDxcc = IsDlgButtonChecked(hwnd(), IDC_SETUP_VIEW_DXCC) == BST_CHECKED ? 1 : 0;
        m_viewCounty = IsDlgButtonChecked(hwnd(), IDC_SETUP_VIEW_COUNTY) == BST_CHECKED ? 1 : 0;
        m_dxccPrefix = ItemText(IDC_SETUP_PREFIX);
        m_onTop = IsDlgButtonChecked(hwnd(), IDC_SETUP_ON_TOP) == BST_CHECKED ? 1 : 0;
        return;
    }
    m_exchanging = true;
    CheckDlgButton(hwnd(), IDC_SETUP_VIEW_DXCC, m_viewDxcc != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_SETUP_VIEW_COUNTY, m_viewCounty != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (ItemText(IDC_SETUP_PREFIX) != m_dxccPrefix) {
        SetItemText(IDC_SETUP_PREFIX, m_dxccPrefix);
    }
    CheckDlgButton(hwnd(), IDC_SETUP_ON_TOP, m_onTop != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_exchanging = false;
}

void Setup_Sarnet::SetPrompt(bool leadingBlank) {
    const bool russian = g_russianCaptions != 0;
    if (m_dxccPrefix.empty()) {
        SetItemTextUtf8(IDC_SETUP_PROMPT,
                        russian ? "Введите ваш DXCC префикс" : "Input your DXCC Prefix");
        return;
    }
    const std::string prompt = russian ? "Ваш DXCC префикс" : "Your DXCC Prefix";
    SetItemTextUtf8(IDC_SETUP_PROMPT, leadingBlank ? " " + prompt : prompt);
}

BOOL Setup_Sarnet::OnInitDialog() {
    DataExchange(false);
    m_onTop = ReadSettingNumber("setup_window_on_top");
    g_onTop = m_onTop;
    m_viewDxcc = ReadSettingNumber("setup_view_multiplier");
    m_viewCounty = ReadSettingNumber("setup_view_county");
    m_dxccPrefix = ReadSetting("setup_dxcc_prefix");
    g_dxccPrefix = m_dxccPrefix;
    SetPrompt(true);

    std::string startYear;
    {
        EngineLock lock(g_engineMutex);
        startYear = g_startYear;
    }
    if (g_russianCaptions != 0) {
        SetCaptionUtf8("Установки Sarnet-" + startYear);
        SetItemTextUtf8(IDC_SETUP_VIEW_LABEL, "Отображать");
    } else {
        SetCaptionUtf8("Setup Sarnet-" + startYear);
        SetItemTextUtf8(IDC_SETUP_VIEW_LABEL, "View");
    }
    DataExchange(false);
    // Reads "setup_yo_x" and "setup_yo_y" into the shared pair (0 gives 10 and 400).
    PlaceWindowFromSettings(hwnd(), "setup_yo_x", "setup_yo_y");
    MakeTopmost(hwnd());
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    // COM was initialised for this thread when it started; the host is never started here.
    g_hostApp.Bind();
    g_hostApp.TryRunMacro(kStartMacro);
    g_hostApp.TrySetFrequency(kStartFrequency);
    ApplyWindowChrome(hwnd());
    PostMessageW(hwnd(), kRefreshStatsMessage, 0, 0);
    StatusWindowCreated(hwnd());
    return TRUE;
}

void Setup_Sarnet::RequestRefresh() {
    g_refreshPending = 1;
    PostMessageW(hwnd(), kRefreshStatsMessage, 0, 0);
}

void Setup_Sarnet::OnRefreshStats() {
    if (StatusWindowStopping()) {
        // The window is closing: nothing to show, and the next request may come.
        g_refreshPending = 1;
        return;
    }
    if (m_refreshing) {
        m_refreshAgain = true;
        return;
    }
    m_refreshing = true;
    do {
        m_refreshAgain = false;
        RefreshDisplay(g_hostApp, *this);
    } while (m_refreshAgain);
    m_refreshing = false;
}

void Setup_Sarnet::OnViewDxccClicked() {
    if (g_dxccWindow != nullptr) {
        CloseDxccWindow();
        m_viewDxcc = 0;
        WriteSetting("setup_view_multiplier", "0");
    } else {
        ::OpenDxccWindow();
        m_viewDxcc = 1;
        WriteSetting("setup_view_multiplier", "1");
    }
    RequestRefresh();
}

void Setup_Sarnet::OnViewCountyClicked() {
    if (g_countyWindow != nullptr) {
        CloseCountyWindow();
        m_viewCounty = 0;
        WriteSetting("setup_view_county", "0");
    } else {
        ::OpenCountyWindow();
        m_viewCounty = 1;
        WriteSetting("setup_view_county", "1");
    }
    RequestRefresh();
}

void Setup_Sarnet::OnOnTopClicked() {
    m_onTop = m_onTop != 0 ? 0 : 1;
    g_onTop = m_onTop;
    WriteSetting("setup_window_on_top", m_onTop != 0 ? "1" : "0");
    CloseDxccWindow();
    CloseCountyWindow();
    DataExchange(false);
    RequestRefresh();
}

void Setup_Sarnet::OnPrefixChanged() {
    DataExchange(true);
    g_dxccPrefix = m_dxccPrefix;
    WriteSetting("setup_dxcc_prefix", m_dxccPrefix);
    SetPrompt(false);
}

bool Setup_Sarnet::IsDxccWindowOpen() const {
    return g_dxccWindow != nullptr;
}

bool Setup_Sarnet::IsCountyWindowOpen() const {
    return g_countyWindow != nullptr;
}

void Setup_Sarnet::OpenDxccWindow() {
    ::OpenDxccWindow();
}

void Setup_Sarnet::OpenCountyWindow() {
    ::OpenCountyWindow();
}

void Setup_Sarnet::SetDxccCaption(const std::string& utf8) {
    if (Multiplier* window = g_dxccWindow) {
        window->SetCaptionUtf8(utf8);
    }
}

void Setup_Sarnet::SetCountyCaption(const std::string& utf8) {
    if (YO_County* window = g_countyWindow) {
        window->SetCaptionUtf8(utf8);
    }
}

void Setup_Sarnet::MarkCounties(const std::vector<std::string>& counties) {
    if (YO_County* window = g_countyWindow) {
        window->MarkWorkedCounties(counties);
        window->UpdateControls();
    }
}

void Setup_Sarnet::RepaintDxccWindow() {
    if (Multiplier* window = g_dxccWindow) {
        window->RepaintInfo();
    }
}

INT_PTR Setup_Sarnet::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    switch (message) {
        case kRefreshStatsMessage:
            OnRefreshStats();
            handled = true;
            return 0;
        case kCloseGridWindowMessage:
            if (wParam == kCloseCountyGrid) {
                CloseCountyWindow();
            } else {
                CloseDxccWindow();
            }
            handled = true;
            return 0;
        case WM_SETCURSOR:
            SaveWindowPosition(hwnd(), "setup_yo_x", "setup_yo_y");
            return 0;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORMSGBOX:
            handled = true;
            return ColourControl(reinterpret_cast<HDC>(wParam), m_brush.get());
        case WM_DESTROY:
            StatusWindowDestroyed();
            return 0;
        case WM_COMMAND:
            break;
        default:
            return 0;
    }
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED && id == IDC_SETUP_VIEW_DXCC) {
        OnViewDxccClicked();
    } else if (code == BN_CLICKED && id == IDC_SETUP_VIEW_COUNTY) {
        OnViewCountyClicked();
    } else if (code == BN_CLICKED && id == IDC_SETUP_ON_TOP) {
        OnOnTopClicked();
    } else if (code == EN_CHANGE && id == IDC_SETUP_PREFIX && !m_exchanging) {
        OnPrefixChanged();
    } else {
        return 0;
    }
    handled = true;
    return 0;
}
