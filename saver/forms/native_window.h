#pragma once
// The window of a form or of a windowed control: one window class registration and one window
// procedure for all of them. The procedure finds the object from the window and hands it the
// message; a window of a system class (a drop-down box) is subclassed to reach the same place.
// No failure of a handler unwinds into the system's dispatcher.

#include <windows.h>

#include <string>

namespace lumo {

class NativeWindow {
  public:
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }

    // The object of one of our windows, or null.
    static NativeWindow* Of(HWND hwnd);

  protected:
    NativeWindow() = default;
    virtual ~NativeWindow() = default;

    // Registers a window class whose procedure routes to HandleMessage; once per name.
    static void RegisterClassOnce(const wchar_t* name, HBRUSH background = nullptr);
    // Makes the window (of one of our classes, or of a system class, which is then subclassed).
    void CreateNative(DWORD exStyle, const wchar_t* className, const std::wstring& text,
                      DWORD style, const RECT& place, HWND parent);
    // Destroys the window without its object hearing of it (the object is going away).
    void DestroyNative();

    // Messages of the window; the default leaves them to the system (or, for a window of a
    // system class, to that class's own procedure).
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);
    // The window has gone (destroyed by us or taken along by another window).
    virtual void WindowGone() {}

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC baseProc_ = nullptr; // a system class's procedure, when the window is one of theirs
};

} // namespace lumo
