// Colour-family dialog of the control kit.
#include "ui/controls/advanced_dialog.h"

#include <utility>

#include "ui/controls/advanced_edit.h"
#include "ui/controls/repaint.h"
#include "platform/win32/subclassed_control.h"

namespace {

ColourFamilyMember* AdvancedParent(Dialog* parent) {
    return dynamic_cast<CAdvancedDialog*>(parent);
}

}  // namespace

CAdvancedDialog::CAdvancedDialog(int templateId, Dialog* parent)
    : Dialog(templateId), ColourFamilyMember(AdvancedParent(parent)), m_parentDialog(parent) {}

CAdvancedDialog::CAdvancedDialog(std::wstring templateName, Dialog* parent)
    : Dialog(std::move(templateName)),
      ColourFamilyMember(AdvancedParent(parent)),
      m_parentDialog(parent) {}

void CAdvancedDialog::RepaintWindow() {
    RepaintNow(hwnd());
}

INT_PTR CAdvancedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        handled = true;
        return AnswerControlColour(message, wParam, lParam);
    }
    handled = false;
    return 0;
}

INT_PTR CAdvancedDialog::AnswerControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    // The default answer: the control's own, else the system's.
    INT_PTR answer = 0;
    if (!ReflectToControl(message, wParam, lParam, answer)) {
        answer = static_cast<INT_PTR>(DefWindowProcW(hwnd(), message, wParam, lParam));
    }
    const auto kind = static_cast<ControlKind>(message - WM_CTLCOLORMSGBOX);
    const HWND control = reinterpret_cast<HWND>(lParam);
    const bool isAdvancedEdit =
        dynamic_cast<CAdvancedEdit*>(SubclassedControl::FromHandle(control)) != nullptr;
    const DialogColourPlan plan = PlanDialogColour(kind, isAdvancedEdit, ForeColor());
    if (plan.keepDefault) {
        return answer;
    }
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, plan.textColour);
    if (!plan.useOwnBrush) {
        return answer;
    }
    m_brush.reset(CreateSolidBrush(BackColor()));
    return reinterpret_cast<INT_PTR>(m_brush.get());
}
