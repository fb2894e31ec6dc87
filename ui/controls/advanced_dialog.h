// A dialog that paints its background and its controls' text in its own colours and passes
// them on to the advanced dialogs opened from it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"
#include "ui/controls/portable/colour_family.h"

class CAdvancedDialog : public Dialog, public ColourFamilyMember {
  public:
    // Joins `parent` when it is an advanced dialog (taking its colours); otherwise starts with
    // RGB(80, 255, 10) behind RGB(20, 10, 255) text. The parent must outlive this dialog. The
    // template is named by number or by name.
    CAdvancedDialog(int templateId, Dialog* parent);
    CAdvancedDialog(std::wstring templateName, Dialog* parent);

    // The window's parent is the parent dialog given at construction.
    INT_PTR DoModal() { return Dialog::DoModal(ParentWindow()); }
    bool Create() { return Dialog::Create(ParentWindow()); }

  protected:
    void RepaintWindow() override;
    // Colour requests of the dialog and its controls.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    HWND ParentWindow() const {
        return m_parentDialog != nullptr ? m_parentDialog->hwnd() : nullptr;
    }
    INT_PTR AnswerControlColour(UINT message, WPARAM wParam, LPARAM lParam);

    Dialog* m_parentDialog;
    // The background brush last handed out, re-created on each request.
    UniqueBrush m_brush;
};
