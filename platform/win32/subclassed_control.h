// Taking over an existing control of a dialog: the control's messages pass through this object
// first, and the parent dialog reflects the notifications about the control (owner draw,
// colour requests) back to it, so that the control paints and colours itself.
#pragma once

#include <windows.h>

#include <atomic>

class SubclassedControl {
  public:
    SubclassedControl() = default;
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;
    // Gives the window its own procedure back when it still exists.
    virtual ~SubclassedControl();

    // Takes over the parent's child control with this id. False when the parent has no such
    // control or the control is already taken over; nothing changes then.
    bool SubclassDlgItem(int id, HWND parent);
    bool SubclassWindow(HWND control);

    // Readable from any thread.
    HWND hwnd() const { return m_hwnd.load(); }

    // The object that took over the window, or null. Owning thread only.
    static SubclassedControl* FromHandle(HWND window);

    // A notification that the parent received about this control (WM_DRAWITEM, WM_CTLCOLOR*),
    // in the parent's parameters. `handled` tells whether the control answered it.
    virtual LRESULT OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

  protected:
    // Runs just before the window is taken over.
    virtual void PreSubclassWindow() {}
    // A message of the control's own; unhandled ones go to its original procedure.
    virtual LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Unsubclass();

    std::atomic<HWND> m_hwnd{nullptr};
    WNDPROC m_previous = nullptr;
};

// Offers a notification that a dialog received to the control it concerns, when that control
// was taken over by a SubclassedControl. True when the control answered; `result` is then the
// dialog procedure's answer.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
