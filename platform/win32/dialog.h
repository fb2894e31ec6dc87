// The one dialog base of the plug-in's windows: a static procedure stores `this` at
// WM_INITDIALOG, routes messages to virtual members, passes the owner-draw and colour requests
// that no member answered back to the control they concern, never lets an exception out, and
// forgets the window at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

class Dialog {
  public:
    // The template is a resource of this module, named by number or by name.
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    explicit Dialog(std::wstring templateName) : m_templateName(std::move(templateName)) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog modally on the calling thread; returns the code given to EndDialog.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless on the calling thread (not shown). False on failure.
    bool Create(HWND parent);

    HWND hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    // Sets the caption from UTF-8 text through the wide-character API, so non-Latin captions
    // read right whatever the system code page is.
    void SetCaptionUtf8(const std::string& utf8);
    void SetItemTextUtf8(int id, const std::string& utf8);

  protected:
    // Return TRUE to let the system set the focus, as for WM_INITDIALOG.
    virtual BOOL OnInitDialog() { return TRUE; }
    // IDOK / Enter. The default ends a modal dialog with IDOK.
    virtual void OnOK();
    // IDCANCEL / Esc / close. The default ends a modal dialog, or hides a modeless one.
    virtual void OnCancel();
    // Every other message; set `handled` and return the result to answer it.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    bool IsModal() const { return m_modal; }

  private:
    static INT_PTR CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR Proc(UINT message, WPARAM wParam, LPARAM lParam);
    LPCWSTR TemplateResource() const;

    int m_templateId = 0;
    std::wstring m_templateName;  // empty when the template is named by number
    HWND m_hwnd = nullptr;
    bool m_modal = false;
};
