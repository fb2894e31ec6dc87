// Move-only owners for Windows handles, after the design of WIL's unique_any.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

template <class T, class Close, T Invalid = T{}>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : m_value(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const { return m_value; }
    explicit operator bool() const { return m_value != Invalid; }
    T release() { return std::exchange(m_value, Invalid); }
    void reset(T value = Invalid) {
        if (m_value != Invalid) {
            Close()(m_value);
        }
        m_value = value;
    }

  private:
    T m_value = Invalid;
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct CloseFindHandle {
    void operator()(HANDLE h) const { FindClose(h); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteMemDc {
    void operator()(HDC h) const { DeleteDC(h); }
};

// INVALID_HANDLE_VALUE is not a constant expression; find handles compare with nullptr
// after the constructor below maps it.
class UniqueFindHandle : public UniqueHandle<HANDLE, CloseFindHandle> {
  public:
    explicit UniqueFindHandle(HANDLE h)
        : UniqueHandle<HANDLE, CloseFindHandle>(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};

using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueMemDc = UniqueHandle<HDC, DeleteMemDc>;

// GetDC / ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc != nullptr) {
            ReleaseDC(m_window, m_dc);
        }
    }
    HDC get() const { return m_dc; }

  private:
    HWND m_window;
    HDC m_dc;
};

// SelectObject with restore; declare it after the objects it selects.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (m_previous != nullptr && m_previous != HGDI_ERROR) {
            SelectObject(m_dc, m_previous);
        }
    }

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// BSTR owner.
class UniqueBstr {
  public:
    UniqueBstr() = default;
    explicit UniqueBstr(BSTR value) : m_value(value) {}
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    ~UniqueBstr() { SysFreeString(m_value); }
    BSTR get() const { return m_value; }

  private:
    BSTR m_value = nullptr;
};

// VARIANT owner.
class UniqueVariant {
  public:
    UniqueVariant() { VariantInit(&m_value); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&m_value); }
    VARIANT* get() { return &m_value; }
    const VARIANT& value() const { return m_value; }

  private:
    VARIANT m_value;
};

// CoInitializeEx / CoUninitialize on the calling thread.
class ComApartment {
  public:
    explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED)
        : m_ok(SUCCEEDED(CoInitializeEx(nullptr, model))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (m_ok) {
            CoUninitialize();
        }
    }
    bool ok() const { return m_ok; }

  private:
    bool m_ok;
};

// Owner of one COM interface reference.
template <class I>
class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(I* p) : m_p(p) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.m_p, nullptr));
        }
        return *this;
    }
    ~ComPtr() { reset(); }
    I* get() const { return m_p; }
    I* operator->() const { return m_p; }
    I** put() {
        reset();
        return &m_p;
    }
    explicit operator bool() const { return m_p != nullptr; }
    void reset(I* p = nullptr) {
        if (m_p != nullptr) {
            m_p->Release();
        }
        m_p = p;
    }
    // Gives up the reference without releasing it.
    I* release() { return std::exchange(m_p, nullptr); }

  private:
    I* m_p = nullptr;
};
