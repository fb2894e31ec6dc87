// The county grid window in a real window under Wine: looks read back from the screen, marks,
// the reset from another thread, keys and position.
#include "ui/status/county_window.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/settings.h"
#include "test_support.h"
#include "ui/status/window_look.h"
#include "ui_thread.h"

namespace {

class CountyWindowTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        WriteSetting("yo_x", "700");
        WriteSetting("yo_y", "40");
        g_onTop = 0;
        ASSERT_TRUE(m_ui.Run([this] {
            m_window = std::make_unique<YO_County>();
            return m_window->Open();
        }));
    }
    void TearDown() override {
        m_ui.Run([this] { m_window.reset(); });
        WorkFolderTest::TearDown();
    }

    HWND Button(const char* code) const {
        for (const CountyButton& button : kCountyButtons) {
            if (std::string(button.code) == code) {
                return GetDlgItem(m_window->hwnd(), button.id);
            }
        }
        return nullptr;
    }
    // A point inside the ellipse, left of the centred label.
    static COLORREF Face(HWND button) {
        RECT rect{};
        GetClientRect(button, &rect);
        return PixelAt(button, 5, rect.bottom / 2);
    }
    COLORREF PaintedFace(const char* code) {
        return m_ui.Run([&] {
            PaintNow(m_window->hwnd());
            return Face(Button(code));
        });
    }

    UiThread m_ui;
    std::unique_ptr<YO_County> m_window;
};

}  // namespace

TEST_F(CountyWindowTest, OpensWithFortyTwoUnworkedEllipsesAtItsPosition) {
    RECT frame{};
    GetWindowRect(m_window->hwnd(), &frame);
    EXPECT_EQ(frame.left, 700);
    EXPECT_EQ(frame.top, 40);
    EXPECT_TRUE(IsWindowVisible(m_window->hwnd()));
    EXPECT_EQ(GetWindowLongPtrW(m_window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    for (int k = 0; k < kCountyTotal; ++k) {
        const CAdvancedButton& button = m_window->Button(k);
        ASSERT_NE(button.hwnd(), nullptr) << k;
        // The automatic check box (3) became owner-drawn (0xB), its other styles kept.
        const LONG_PTR style = GetWindowLongPtrW(button.hwnd(), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << k;
        EXPECT_NE(style & WS_TABSTOP, 0) << k;
        EXPECT_EQ(button.Shape(), 1);
        EXPECT_EQ(button.BackColor(), kUnworkedFace);
        EXPECT_EQ(button.ForeColor(), kUnworkedText);
        EXPECT_EQ(button.DisabledColor(), kUnworkedDisabledText);
        EXPECT_EQ(button.Label(), kCountyButtons[static_cast<size_t>(k)].code);
    }
    EXPECT_EQ(PaintedFace("AB"), RGB(0, 255, 0));
    // The ellipse leaves the corners of the button to the window's background.
    EXPECT_NE(m_ui.Run([&] { return PixelAt(Button("AB"), 0, 0); }), RGB(0, 255, 0));
}

TEST_F(CountyWindowTest, MarksAddExactCodesOnceAndSurviveEmptyLists) {
    m_ui.Run([&] {
        m_window->MarkWorkedCounties({"BV", "CJ", "BV", "bv", "XX"});
        m_window->UpdateControls();
    });
    EXPECT_EQ(PaintedFace("BV"), RGB(255, 0, 255));
    EXPECT_EQ(PaintedFace("CJ"), RGB(255, 0, 255));
    EXPECT_EQ(PaintedFace("AB"), RGB(0, 255, 0));
    EXPECT_EQ(m_window->Button(8).ForeColor(), RGB(255, 255, 0));
    EXPECT_TRUE(m_window->IsWorked(8));   // BV
    EXPECT_TRUE(m_window->IsWorked(11));  // CJ
    EXPECT_FALSE(m_window->IsWorked(0));

    // A refresh of another band clears the flags but keeps the looks: marking only adds.
    m_ui.Run([&] { m_window->MarkWorkedCounties({}); });
    EXPECT_FALSE(m_window->IsWorked(8));
    EXPECT_EQ(PaintedFace("BV"), RGB(255, 0, 255));

    // A click changes neither look nor state.
    m_ui.Run([&] { SendMessageW(Button("AB"), BM_CLICK, 0, 0); });
    EXPECT_EQ(PaintedFace("AB"), RGB(0, 255, 0));
    EXPECT_EQ(PaintedFace("BV"), RGB(255, 0, 255));
    EXPECT_FALSE(m_window->IsWorked(0));
}

TEST_F(CountyWindowTest, ResetFromTheHostThreadNeverWaitsAndRepaintsBeforeTheNextRefresh) {
    m_ui.Run([&] { m_window->MarkWorkedCounties({"BV", "VS"}); });
    ASSERT_EQ(PaintedFace("VS"), RGB(255, 0, 255));

    // The status thread is busy until the reset has returned: a reset that waited for it would
    // only return after the busy task gave up.
    std::atomic<bool> resetReturned{false};
    bool sawResetInTime = false;
    auto busy = m_ui.Post([&] {
        for (int i = 0; i < 500 && !resetReturned.load(); ++i) {
            Sleep(10);
        }
        sawResetInTime = resetReturned.load();
    });
    m_window->ResetCountyMarks();
    resetReturned = true;
    ASSERT_EQ(busy.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(sawResetInTime);

    // The next message behind the reset (as the removal's refresh request will be) already finds
    // every button repainted unworked, without any further paint being forced.
    const bool allGreen = m_ui.Run([&] {
        for (const CountyButton& button : kCountyButtons) {
            if (Face(GetDlgItem(m_window->hwnd(), button.id)) != RGB(0, 255, 0)) {
                return false;
            }
        }
        return true;
    });
    EXPECT_TRUE(allGreen);
    EXPECT_FALSE(m_window->IsWorked(8));
    EXPECT_EQ(m_window->Button(41).ForeColor(), RGB(1, 1, 1));
}

TEST_F(CountyWindowTest, AResetTakesEffectInOrderWithTheMarksAroundIt) {
    // The status thread is busy while a mark, the reset and another mark are queued: the mark
    // from before the reset is undone by it, the one after it stays.
    std::atomic<bool> release{false};
    m_ui.Post([&] {
        for (int i = 0; i < 500 && !release.load(); ++i) {
            Sleep(10);
        }
    });
    m_ui.Post([&] { m_window->MarkWorkedCounties({"BV"}); });
    m_window->ResetCountyMarks();
    m_ui.Post([&] { m_window->MarkWorkedCounties({"CJ"}); });
    release = true;
    EXPECT_EQ(PaintedFace("BV"), RGB(0, 255, 0));
    EXPECT_EQ(PaintedFace("CJ"), RGB(255, 0, 255));
    EXPECT_FALSE(m_window->IsWorked(8));
}

TEST_F(CountyWindowTest, EscHidesEnterDoesNothingCloseHidesAtOnce) {
    const HWND window = m_window->hwnd();
    m_ui.Run([&] {
        SetForegroundWindow(window);
        SetFocus(Button("AB"));
        PostMessageW(Button("AB"), WM_KEYDOWN, VK_RETURN, 0);
    });
    m_ui.Run([] {});
    EXPECT_TRUE(IsWindowVisible(window));
    m_ui.Run([&] { PostMessageW(Button("AB"), WM_KEYDOWN, VK_ESCAPE, 0); });
    m_ui.Run([] {});
    EXPECT_FALSE(IsWindowVisible(window));

    m_ui.Run([&] { ShowWindow(window, SW_SHOWNORMAL); });
    // The status window's synchronous close from another thread.
    SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_BLOCK, 5000, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(CountyWindowTest, MouseOverWritesAMovedPosition) {
    m_ui.Run([&] {
        SetWindowPos(m_window->hwnd(), nullptr, 250, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageW(m_window->hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(m_window->hwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    });
    EXPECT_EQ(ReadSetting("yo_x"), "250");
    EXPECT_EQ(ReadSetting("yo_y"), "120");
}
