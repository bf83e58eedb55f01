#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace zubolo::e2e {

// Memory inside the process that owns a window. Common-control messages are not marshalled
// between processes: their structures and text buffers must live in the control's own process.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND window, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The address as the other process sees it, to be passed in a message.
    LPARAM Address(std::size_t offset = 0) const;
    void Write(std::size_t offset, const void* data, std::size_t size);
    void Read(std::size_t offset, void* data, std::size_t size) const;
    // Reads a NUL-terminated text of at most maxChars characters.
    std::wstring ReadText(std::size_t offset, std::size_t maxChars) const;

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace zubolo::e2e
