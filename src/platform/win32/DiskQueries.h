#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "platform/DiskQueries.h"
#include "platform/win32/OwnedHandles.h"

namespace zubolo {

// One reading thread asks the shell and the file system; a message-only window of the window's
// thread hands the answers over. The thread is never waited for: a question that hangs (a bin
// with very many items, a network drive that does not answer) holds up neither the window nor
// the end of the program, which ends the thread with the process.
class Win32DiskQueries final : public DiskQueries {
  public:
    // On the window's thread, whose message loop then delivers the answers.
    Win32DiskQueries();
    ~Win32DiskQueries() override;
    Win32DiskQueries(const Win32DiskQueries&) = delete;
    Win32DiskQueries& operator=(const Win32DiskQueries&) = delete;

    void Ask(std::vector<DiskQuestion> questions, Finished finished) override;
    void Abandon() override;

  private:
    struct Shared;
    static DWORD WINAPI ReadingThread(void* parameter);
    static LRESULT CALLBACK DeliveryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Deliver();

    std::shared_ptr<Shared> shared_;
    UniqueWindow window_;
    Finished finished_;
    // Counts the batches asked; the answers of any but the last one asked are dropped.
    std::uint64_t batch_ = 0;
};

}  // namespace zubolo
