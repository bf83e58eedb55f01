#pragma once
#include <windows.h>
// (these rely on the types that windows.h declares)
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shtypes.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace zubolo {

// One owner type per kind of handle the program holds, each releasing its handle the way Windows
// asks for that kind. Owners are move-only; `release` gives the handle up without releasing it.

// Handles whose null value means "none" and that are released by one call.

struct FontDelete {
    void operator()(HFONT font) const { DeleteObject(font); }
};
struct BitmapDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct IconDestroy {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ImageListDestroy {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
// Destroys the submenus attached to the menu with it.
struct MenuDestroy {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A device context of CreateCompatibleDC; a window's context from GetDC is released otherwise.
struct MemoryDCDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
// A module of LoadLibraryExW.
struct ModuleFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
// An item-id list that the shell allocated for the caller.
struct PidlFree {
    void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};
struct DropFinish {
    void operator()(HDROP drop) const { DragFinish(drop); }
};
// Memory of LocalAlloc, as FormatMessageW with FORMAT_MESSAGE_ALLOCATE_BUFFER returns it.
struct LocalMemoryFree {
    void operator()(void* memory) const { LocalFree(memory); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDelete>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDelete>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroy>;
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDestroy>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroy>;
using UniqueMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDCDelete>;
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;
using UniquePidl = std::unique_ptr<ITEMIDLIST, PidlFree>;
// A drop received with WM_DROPFILES: its memory is released once the names are read.
using UniqueDrop = std::unique_ptr<std::remove_pointer_t<HDROP>, DropFinish>;
using UniqueLocalText = std::unique_ptr<wchar_t, LocalMemoryFree>;

// Selects a GDI object into a device context for the scope's lifetime and selects the previous
// object back at its end, so that the object may then be deleted and the context reused.
class SelectionScope {
  public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectionScope() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Kernel objects are closed with CloseHandle, but their creators disagree on the value meaning
// "none": CreateFileW fails with INVALID_HANDLE_VALUE, CreateMutexW and the process handle of
// ShellExecuteExW use null (where INVALID_HANDLE_VALUE is the current process's pseudo handle).
struct NullIsNone {
    static HANDLE None() { return nullptr; }
};
struct InvalidValueIsNone {
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
};

template <class Convention>
class KernelHandle {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    ~KernelHandle() { Close(); }
    KernelHandle(KernelHandle&& other) noexcept : handle_(other.release()) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.release();
        }
        return *this;
    }

    explicit operator bool() const { return handle_ != Convention::None(); }
    HANDLE get() const { return handle_; }
    [[nodiscard]] HANDLE release() { return std::exchange(handle_, Convention::None()); }

    // Closes the handle now and tells whether that succeeded; false when there was none. A file
    // that was written to can report a delayed write error only here.
    bool Close() {
        if (!*this) return false;
        return CloseHandle(release()) != FALSE;
    }

  private:
    HANDLE handle_ = Convention::None();
};

// Mutexes and processes.
using UniqueHandle = KernelHandle<NullIsNone>;
// Files opened or created with CreateFileW.
using UniqueFileHandle = KernelHandle<InvalidValueIsNone>;

// A top-level window, destroyed with its owner. The owner is usually the object that handles the
// window's messages, and those need the handle while DestroyWindow runs, so it stays readable
// until the window is gone. A window that Windows destroys by itself (DefWindowProcW carrying out
// WM_CLOSE) is let go with `release` at WM_NCDESTROY, so it is not destroyed twice.
// The owning class passes its window to the window API throughout, so an owner converts to HWND
// by itself; a temporary owner does not, as its window would be gone before the handle is used.
class UniqueWindow {
  public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) : window_(window) {}
    ~UniqueWindow() { reset(); }
    UniqueWindow(UniqueWindow&& other) noexcept : window_(other.release()) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    operator HWND() const& { return window_; }
    operator HWND() const&& = delete;
    HWND release() { return std::exchange(window_, nullptr); }

    void reset(HWND window = nullptr) {
        if (window_ != nullptr && window_ != window) DestroyWindow(window_);
        window_ = window;
    }

  private:
    HWND window_ = nullptr;
};

}  // namespace zubolo
