#pragma once
// Owners for the Win32 handles of both programs (the saver's form services and files, the
// renderer's snapshot file and GL window): each closes, releases or deletes its handle exactly
// once, on every way out.

#include <windows.h>

#include <utility>

namespace lumo::win {

// The one owner of a handle that is given back by a single call; Traits names the handle's
// type, which values hold nothing, and the call.
template <class Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.h_, nullptr));
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return h_; }
    bool Valid() const { return Traits::Valid(h_); }
    void Reset(Handle h = nullptr) {
        if (Valid()) {
            Traits::Close(h_);
        }
        h_ = h;
    }

  private:
    Handle h_ = nullptr;
};

// A kernel object handle (file, process, thread).
struct KernelHandleTraits {
    using Handle = HANDLE;
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    WindowDc() = default;
    explicit WindowDc(HWND hwnd) { Acquire(hwnd); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { Release(); }

    void Acquire(HWND hwnd) {
        Release();
        hwnd_ = hwnd;
        dc_ = ::GetDC(hwnd);
    }
    HDC Get() const { return dc_; }
    // Gives the context back now, before the owner goes out of scope.
    void Release() {
        if (dc_ != nullptr) {
            ::ReleaseDC(hwnd_, dc_);
            dc_ = nullptr;
        }
    }

  private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
struct MemoryDcTraits {
    using Handle = HDC;
    static bool Valid(HDC dc) { return dc != nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// A GDI object (bitmap, pen, brush, font), deleted with DeleteObject. It must not be selected
// into a device context when it goes: owners deselect it first (SelectedObject).
template <class T> struct GdiObjectTraits {
    using Handle = T;
    static bool Valid(T h) { return h != nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
template <class T> using GdiObject = UniqueHandle<GdiObjectTraits<T>>;

// Selects an object into a device context for a scope and puts the previous one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace lumo::win
