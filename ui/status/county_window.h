// YO_County: the county grid window (template 106), a modeless window of the status thread
// that marks the counties worked on the current band.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"

class YO_County : public Dialog {
  public:
    YO_County();
    // Creates the modeless window from template 106 with no parent and shows it.
    bool Open();
    // Marks every county of the list (status thread).
    void MarkWorkedCounties(const std::vector<std::string>& counties);
    // Puts every county back to unworked. Any thread; never waits for the status thread.
    void ResetCountyMarks();
    // Moves the marks into the controls.
    void UpdateControls();

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void ClearMarks();

    UniqueBrush m_brush;
    std::vector<std::string> m_worked;
};
