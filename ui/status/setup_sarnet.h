// Setup_Sarnet: the status window (template 104), run modally on the status thread. It holds
// the view settings, opens and closes the grid windows and answers refresh requests.
#pragma once

#include <string>

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"
#include "ui/status/portable/refresh_logic.h"

class Setup_Sarnet : public Dialog, public RefreshView {
  public:
    Setup_Sarnet();

    // Fields to controls (false) or controls to fields (true), in the order 1015, 1016, 1000,
    // 1017. Moving fields into the controls raises no text-change handling.
    void DataExchange(bool saveAndValidate);

    bool WantsDxccWindow() const override { return m_viewDxcc == 1; }
    bool WantsCountyWindow() const override { return m_viewCounty == 1; }
    bool IsDxccWindowOpen() const override;
    bool IsCountyWindowOpen() const override;
    void OpenDxccWindow() override;
    void OpenCountyWindow() override;
    void SetDxccCaption(const std::string& utf8) override;
    void SetCountyCaption(const std::string& utf8) override;
    void MarkCounties(const std::vector<std::string>& counties) override;
    void RepaintDxccWindow() override;

    UniqueBrush m_brush;
    int m_viewDxcc = 0;
    int m_viewCounty = 0;
    std::string m_dxccPrefix;
    int m_onTop = 0;

  protected:
    BOOL OnInitDialog() override;
    // Enter does nothing; Esc (cancel) ends the dialog.
    void OnOK() override {}
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void OnViewDxccClicked();
    void OnViewCountyClicked();
    void OnOnTopClicked();
    void OnPrefixChanged();
    void SetPrompt(bool leadingBlank);
    void RequestRefresh();
    void OnRefreshStats();

    bool m_exchanging = false;
    // A refresh request that arrives while a refresh waits in a call on the host object (whose
    // wait dispatches messages) is run after it instead of inside it.
    bool m_refreshing = false;
    bool m_refreshAgain = false;
};

// Copy of m_dxccPrefix; status thread only.
extern std::string g_dxccPrefix;
