// The DXCC multiplier window in a real window under Wine: resizing, the information button's
// two views read back from the screen, keys, topmost placement.
#include "ui/status/multiplier_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <mutex>

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "test_support.h"
#include "ui/status/portable/live_display_state.h"
#include "ui/status/window_look.h"
#include "ui_thread.h"

namespace {

class MultiplierWindowTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        WriteSetting("dxcc_x", "60");
        WriteSetting("dxcc_y", "520");
        m_ui.Run([] {
            g_currentCall.clear();
            g_currentBand = 0;
        });
    }
    void TearDown() override {
        m_ui.Run([this] {
            m_window.reset();
            g_currentCall.clear();
            g_currentBand = 0;
        });
        g_onTop = 0;
        WorkFolderTest::TearDown();
    }
    void Open() {
        ASSERT_TRUE(m_ui.Run([this] {
            m_window = std::make_unique<Multiplier>();
            return m_window->Open();
        }));
    }
    HWND Info() const { return GetDlgItem(m_window->hwnd(), IDC_MULTIPLIER_INFO); }
    // Gives the window a client area of the size.
    void ResizeClient(int width, int height) {
        m_ui.Run([&] {
            RECT frame{0, 0, width, height};
            const HWND window = m_window->hwnd();
            AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                               FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
            SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                         SWP_NOMOVE | SWP_NOZORDER);
        });
    }
    COLORREF InfoPixel(int x, int y) {
        return m_ui.Run([&] {
            m_window->RepaintInfo();
            PaintNow(m_window->hwnd());
            return PixelAt(Info(), x, y);
        });
    }

    UiThread m_ui;
    std::unique_ptr<Multiplier> m_window;
};

}  // namespace

TEST_F(MultiplierWindowTest, ResizingKeepsTheButtonAtOneOneWithClientSizeLessFour) {
    Open();
    RECT frame{};
    GetWindowRect(m_window->hwnd(), &frame);
    EXPECT_EQ(frame.left, 60);
    EXPECT_EQ(frame.top, 520);
    EXPECT_EQ(GetWindowLongPtrW(m_window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    ResizeClient(300, 200);
    RECT client{};
    GetClientRect(m_window->hwnd(), &client);
    ASSERT_EQ(client.right, 300);
    ASSERT_EQ(client.bottom, 200);
    RECT button{};
    GetWindowRect(Info(), &button);
    MapWindowPoints(nullptr, m_window->hwnd(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, 1);
    EXPECT_EQ(button.top, 1);
    EXPECT_EQ(button.right - button.left, 296);
    EXPECT_EQ(button.bottom - button.top, 196);
}

TEST_F(MultiplierWindowTest, WorkedListAndPreviousQsoTableOnScreen) {
    {
        const EngineLock lock(g_engineMutex);
        g_bandPrefixes[1] = {"OK", "DL", "YO", "EA"};
        g_bandRows[1] = {"80m", "BPSK31", "18:05", "005", "   -"};
    }
    Open();
    ResizeClient(300, 200);
    // The button's client area lies inside its sunken edge; h = client bottom / 7.
    RECT inner{};
    GetClientRect(Info(), &inner);
    const int h = inner.bottom / 7;

    m_ui.Run([] { g_currentBand = 1; });
    EXPECT_EQ(InfoPixel(inner.right - 3, inner.bottom - 3), RGB(255, 250, 198));
    {
        // The paint only reads the list: the results summary is its one writer.
        const EngineLock lock(g_engineMutex);
        EXPECT_THAT(g_bandPrefixes[1], ::testing::ElementsAre("OK", "DL", "YO", "EA"));
    }

    m_ui.Run([] {
        g_currentCall = "DL1ABC";
        g_currentBand = 3;
    });
    EXPECT_EQ(InfoPixel(inner.right - 3, h * 3 + 12), RGB(198, 255, 255));
    EXPECT_EQ(InfoPixel(inner.right - 3, h * 3 + 8), RGB(255, 255, 198));
    EXPECT_EQ(InfoPixel(inner.right - 3, h * 4 + 1), RGB(255, 255, 198));
}

TEST_F(MultiplierWindowTest, OnTopEscEnterAndClose) {
    g_onTop = 1;
    Open();
    const HWND window = m_window->hwnd();
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    m_ui.Run([&] {
        SetForegroundWindow(window);
        SetFocus(Info());
        PostMessageW(Info(), WM_KEYDOWN, VK_RETURN, 0);
    });
    m_ui.Run([] {});
    EXPECT_TRUE(IsWindowVisible(window));
    m_ui.Run([&] { PostMessageW(Info(), WM_KEYDOWN, VK_ESCAPE, 0); });
    m_ui.Run([] {});
    EXPECT_FALSE(IsWindowVisible(window));

    m_ui.Run([&] { ShowWindow(window, SW_SHOWNORMAL); });
    SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_BLOCK, 5000, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    // Captions come from the refresh, in wide characters.
    m_ui.Run([&] { m_window->SetCaptionUtf8("DXCC 12 of 338 worked on 80m"); });
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"DXCC 12 of 338 worked on 80m");
}
