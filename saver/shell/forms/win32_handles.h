#pragma once
// Owners for the Win32 handles of both programs (the saver's form services and files, the
// renderer's snapshot file and GL window): each closes, releases or deletes its handle exactly
// once, on every way out.

#include <windows.h>

#include <utility>

namespace lumo::win {

// A kernel object handle (file, process, thread).
class KernelHandle {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : h_(h) {}
    KernelHandle(KernelHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.h_, nullptr));
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { Reset(); }

    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE h = nullptr) {
        if (Valid()) {
            ::CloseHandle(h_);
        }
        h_ = h;
    }

  private:
    HANDLE h_ = nullptr;
};

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
class MemoryDc {
  public:
    MemoryDc() = default;
    explicit MemoryDc(HDC dc) : dc_(dc) {}
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.dc_, nullptr));
        }
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() { Reset(); }

    HDC Get() const { return dc_; }
    void Reset(HDC dc = nullptr) {
        if (dc_ != nullptr) {
            ::DeleteDC(dc_);
        }
        dc_ = dc;
    }

  private:
    HDC dc_ = nullptr;
};

// A GDI object (bitmap, pen, brush, font), deleted with DeleteObject. It must not be selected
// into a device context when it goes: owners deselect it first (SelectedObject).
template <class T> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(T h) : h_(h) {}
    GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.h_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    T Get() const { return h_; }
    void Reset(T h = nullptr) {
        if (h_ != nullptr) {
            ::DeleteObject(h_);
        }
        h_ = h;
    }

  private:
    T h_ = nullptr;
};

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
