// The control kit's Win32 classes in real windows under Wine: the advanced button, the advanced
// dialog's and edit's colour answers, the memory DC and the GDI canvas.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/unique_handle.h"
#include "resources/resource.h"
#include "test_support.h"
#include "ui/controls/advanced_button.h"
#include "ui/controls/advanced_dialog.h"
#include "ui/controls/advanced_edit.h"
#include "ui/controls/gdi_canvas.h"
#include "ui/controls/mem_dc.h"
#include "ui_thread.h"

namespace {

constexpr Colour kFace = RGB(0, 128, 0);
constexpr Colour kText = RGB(0, 0, 255);
constexpr Colour kDisabledText = RGB(255, 0, 0);

// The status window's template serves as a host: check boxes, an edit control, static texts.
class HostDialog : public CAdvancedDialog {
  public:
    explicit HostDialog(Dialog* parent = nullptr) : CAdvancedDialog(IDD_SETUP_SARNET, parent) {}
    int clicks = 0;

  protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_SETUP_VIEW_DXCC &&
            HIWORD(wParam) == BN_CLICKED) {
            ++clicks;
        }
        return CAdvancedDialog::OnMessage(message, wParam, lParam, handled);
    }
};

class PlainDialog : public Dialog {
  public:
    PlainDialog() : Dialog(IDD_SETUP_SARNET) {}
};

int CountPixels(HWND window, COLORREF colour) {
    RECT rect{};
    GetClientRect(window, &rect);
    const WindowDc dc(window);
    int count = 0;
    for (int y = 0; y < rect.bottom; ++y) {
        for (int x = 0; x < rect.right; ++x) {
            count += GetPixel(dc.get(), x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

COLORREF BrushColour(INT_PTR brush) {
    LOGBRUSH info{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
    return info.lbColor;
}

class ControlKitTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        ASSERT_TRUE(m_ui.Run([this] {
            m_host = std::make_unique<HostDialog>();
            if (!m_host->Create()) {
                return false;
            }
            SetWindowPos(m_host->hwnd(), nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ShowWindow(m_host->hwnd(), SW_SHOWNORMAL);
            return true;
        }));
    }
    void TearDown() override {
        m_ui.Run([this] {
            m_button.reset();
            m_edit.reset();
            m_host.reset();
        });
        WorkFolderTest::TearDown();
    }

    UiThread m_ui;
    std::unique_ptr<HostDialog> m_host;
    std::unique_ptr<CAdvancedButton> m_button = std::make_unique<CAdvancedButton>();
    std::unique_ptr<CAdvancedEdit> m_edit = std::make_unique<CAdvancedEdit>();
};

}  // namespace

TEST_F(ControlKitTest, ButtonTakesOverOnlyAnExistingControl) {
    m_ui.Run([&] {
        EXPECT_TRUE(m_button->SetColors(1, 2, 3));
        EXPECT_FALSE(m_button->SubclassWithColors(4242, m_host->hwnd(), kFace, kText, 0));
        EXPECT_EQ(m_button->BackColor(), 1u);
        EXPECT_EQ(m_button->ForeColor(), 2u);
        EXPECT_EQ(m_button->DisabledColor(), 3u);
        m_button->SetShape(1);
        EXPECT_TRUE(m_button->SubclassWithColors(IDC_SETUP_VIEW_DXCC, m_host->hwnd(), kFace, kText,
                                                 kDisabledText));
        // Taking over resets the shape to the rectangle.
        EXPECT_EQ(m_button->Shape(), 0);
        EXPECT_EQ(GetWindowLongPtrW(m_button->hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        // A control cannot be taken over twice.
        CAdvancedButton second;
        EXPECT_FALSE(second.SubclassWithColors(IDC_SETUP_VIEW_DXCC, m_host->hwnd(), 0, 0, 0));
    });
}

TEST_F(ControlKitTest, ButtonRepaintsAtOnceInItsColoursAndShape) {
    m_ui.Run([&] {
        ASSERT_TRUE(m_button->SubclassWithColors(IDC_SETUP_VIEW_DXCC, m_host->hwnd(), kFace, kText,
                                                 kDisabledText));
        const HWND button = m_button->hwnd();
        // Taking over does not repaint; the first redraw shows the owner-drawn face.
        m_button->Redraw();
        EXPECT_EQ(PixelAt(button, 3, 3), kFace);
        // Shown before the call returns, with no further painting.
        EXPECT_TRUE(m_button->SetBackColor(RGB(200, 0, 200)));
        EXPECT_EQ(PixelAt(button, 3, 3), RGB(200, 0, 200));
        // Any kind but 1 is a rectangle; 1 leaves the corners outside the ellipse.
        m_button->SetShape(2);
        EXPECT_EQ(PixelAt(button, 3, 3), RGB(200, 0, 200));
        m_button->SetShape(1);
        EXPECT_NE(PixelAt(button, 3, 3), RGB(200, 0, 200));

        EXPECT_GT(CountPixels(button, kText), 0);
        EXPECT_EQ(CountPixels(button, kDisabledText), 0);
        EnableWindow(button, FALSE);
        m_button->Redraw();
        EXPECT_GT(CountPixels(button, kDisabledText), 0);
        EXPECT_EQ(CountPixels(button, kText), 0);
        EnableWindow(button, TRUE);
        m_button->Redraw();
        EXPECT_GT(CountPixels(button, kText), 0);
        EXPECT_EQ(CountPixels(button, kDisabledText), 0);

        // Clicks still reach the parent.
        SendMessageW(button, BM_CLICK, 0, 0);
        EXPECT_EQ(m_host->clicks, 1);

        SetWindowTextA(button, std::string(600, 'W').c_str());
        EXPECT_EQ(m_button->Label(), std::string(511, 'W'));
    });
}

TEST_F(ControlKitTest, DialogColoursItsControlsButNotAnAdvancedEdit) {
    m_ui.Run([&] {
        UniqueMemDc dc(CreateCompatibleDC(nullptr));
        const HWND dialog = m_host->hwnd();
        const auto ask = [&](UINT message, int id) {
            SetBkMode(dc.get(), OPAQUE);
            SetTextColor(dc.get(), RGB(7, 7, 7));
            return SendMessageW(dialog, message, reinterpret_cast<WPARAM>(dc.get()),
                                reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        };
        EXPECT_EQ(BrushColour(ask(WM_CTLCOLORSTATIC, IDC_SETUP_PROMPT)), RGB(80, 255, 10));
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
        EXPECT_EQ(GetTextColor(dc.get()), RGB(20, 10, 255));
        EXPECT_EQ(BrushColour(ask(WM_CTLCOLORBTN, IDC_SETUP_ON_TOP)), RGB(80, 255, 10));

        // A plain edit control keeps the default brush, with the dialog's text.
        EXPECT_NE(BrushColour(ask(WM_CTLCOLOREDIT, IDC_SETUP_PREFIX)), RGB(80, 255, 10));
        EXPECT_EQ(GetTextColor(dc.get()), RGB(20, 10, 255));
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);

        // An advanced edit colours itself, and the dialog leaves it alone.
        ASSERT_TRUE(m_edit->SubclassDlgItem(IDC_SETUP_PREFIX, dialog));
        m_edit->SetTextBackground(RGB(255, 255, 0));
        EXPECT_EQ(BrushColour(ask(WM_CTLCOLOREDIT, IDC_SETUP_PREFIX)), RGB(255, 255, 255));
        EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
        EXPECT_EQ(GetBkColor(dc.get()), RGB(255, 255, 0));
        EXPECT_EQ(GetTextColor(dc.get()), RGB(0, 0, 0));
        m_edit->SetTransparent();
        ask(WM_CTLCOLOREDIT, IDC_SETUP_PREFIX);
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
    });
}

TEST_F(ControlKitTest, DialogsJoinOnlyAnAdvancedParent) {
    m_ui.Run([&] {
        m_host->SetBackColor(RGB(1, 2, 3));
        HostDialog child(m_host.get());
        EXPECT_EQ(child.FamilyParent(), m_host.get());
        EXPECT_EQ(child.BackColor(), RGB(1, 2, 3));
        m_host->SetBackColor(RGB(4, 5, 6));
        EXPECT_EQ(child.BackColor(), RGB(4, 5, 6));

        PlainDialog plain;
        HostDialog underPlain(&plain);
        EXPECT_EQ(underPlain.FamilyParent(), nullptr);
        EXPECT_EQ(underPlain.BackColor(), RGB(80, 255, 10));
    });
}

// A kit control paints under any dialog of ours, and a template can be named by text.
TEST_F(ControlKitTest, KitControlsPaintUnderAPlainDialogOpenedByTemplateName) {
    m_ui.Run([&] {
        Dialog plain(L"KIT_NAMED_HOST");
        ASSERT_TRUE(plain.Create(m_host->hwnd()));
        ShowWindow(plain.hwnd(), SW_SHOWNORMAL);
        ASSERT_TRUE(m_button->SubclassWithColors(2001, plain.hwnd(), kFace, kText, kDisabledText));
        m_button->Redraw();
        EXPECT_EQ(PixelAt(m_button->hwnd(), 3, 3), kFace);
        EXPECT_GT(CountPixels(m_button->hwnd(), kText), 0);

        // An advanced edit answers its own colour request under the plain dialog too.
        ASSERT_TRUE(m_edit->SubclassDlgItem(2002, plain.hwnd()));
        m_edit->SetBackColor(RGB(255, 255, 0));
        UniqueMemDc dc(CreateCompatibleDC(nullptr));
        const LRESULT brush =
            SendMessageW(plain.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                         reinterpret_cast<LPARAM>(m_edit->hwnd()));
        EXPECT_EQ(BrushColour(brush), RGB(255, 255, 0));
        m_button.reset();
        m_edit.reset();

        // The advanced dialog by name joins its parent as the numbered one does.
        m_host->SetBackColor(RGB(1, 2, 3));
        CAdvancedDialog named(L"KIT_NAMED_HOST", m_host.get());
        EXPECT_EQ(named.FamilyParent(), m_host.get());
        EXPECT_EQ(named.BackColor(), RGB(1, 2, 3));
        ASSERT_TRUE(named.Create());
        EXPECT_EQ(GetParent(named.hwnd()), m_host->hwnd());
        EXPECT_NE(GetDlgItem(named.hwnd(), 2001), nullptr);
        DestroyWindow(named.hwnd());
        DestroyWindow(plain.hwnd());
    });
}

TEST(MemoryDc, BuffersTheClipBoxAndCopiesItInOneBlockAtTheEnd) {
    UniqueMemDc target(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateCompatibleBitmap(WindowDc(nullptr).get(), 100, 60));
    SelectGuard selected(target.get(), bitmap.get());
    GdiCanvas(target.get()).FillRect(Rect{0, 0, 100, 60}, RGB(255, 255, 255));
    IntersectClipRect(target.get(), 10, 10, 60, 40);
    {
        CMemDC memory(target.get());
        ASSERT_TRUE(memory.IsBuffering());
        EXPECT_EQ(memory.Area().left, 10);
        EXPECT_EQ(memory.Area().bottom, 40);
        GdiCanvas canvas(memory.dc());
        canvas.FillRect(Rect{0, 0, 100, 60}, RGB(255, 0, 0));
        // Drawn in the target's own coordinates; nothing reaches the target yet.
        EXPECT_EQ(GetPixel(memory.dc(), 20, 20), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(target.get(), 20, 20), RGB(255, 255, 255));
    }
    SelectClipRgn(target.get(), nullptr);
    EXPECT_EQ(GetPixel(target.get(), 20, 20), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.get(), 59, 39), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.get(), 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target.get(), 70, 20), RGB(255, 255, 255));
}

TEST(MemoryDc, MetafileDrawsStraightThroughAndKeepsItsContext) {
    const HDC metafile = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(metafile, nullptr);
    {
        CMemDC memory(metafile);
        EXPECT_FALSE(memory.IsBuffering());
        EXPECT_EQ(memory.dc(), metafile);
        Rectangle(memory.dc(), 0, 0, 10, 10);
    }
    const HENHMETAFILE picture = CloseEnhMetaFile(metafile);
    EXPECT_NE(picture, nullptr);
    DeleteEnhMetaFile(picture);
}

TEST(GdiCanvas, PaletteRelativeGreysAreDrawnAsPlainColoursWithoutAPalette) {
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateCompatibleBitmap(WindowDc(nullptr).get(), 20, 20));
    SelectGuard selected(dc.get(), bitmap.get());
    GdiCanvas canvas(dc.get());
    canvas.FrameEdges(Rect{0, 0, 20, 20}, PaletteGrey(223), PaletteGrey(85));
    EXPECT_EQ(GetPixel(dc.get(), 5, 0), RGB(223, 223, 223));
    EXPECT_EQ(GetPixel(dc.get(), 0, 18), RGB(223, 223, 223));
    EXPECT_EQ(GetPixel(dc.get(), 19, 0), RGB(85, 85, 85));
    EXPECT_EQ(GetPixel(dc.get(), 5, 19), RGB(85, 85, 85));
    EXPECT_EQ(GetPixel(dc.get(), 19, 19), RGB(85, 85, 85));
}
