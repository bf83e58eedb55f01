#include "platform/win32/DiskQueries.h"

#include <objbase.h>

#include <utility>

#include "platform/win32/Drives.h"
#include "platform/win32/RecycleBin.h"

namespace zubolo {

namespace {

constexpr wchar_t DeliveryClass[] = L"ZuboloDiskAnswers";
constexpr UINT AnswersReady = WM_APP + 1;

// Holds an exclusive lock for its lifetime.
class Locked {
  public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    SRWLOCK& lock_;
};

}  // namespace

// What the window's thread and the reading thread share, each holding it for as long as it
// needs it. The reading thread has its own shell and file-system peers: they hold no state.
struct Win32DiskQueries::Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;
    // Where finished answers are announced; nullptr once the owner is gone, which ends the thread.
    HWND delivery = nullptr;
    // The batch to read next, if one waits.
    bool asked = false;
    std::uint64_t askedBatch = 0;
    std::vector<DiskQuestion> questions;
    // The last batch read.
    std::uint64_t answeredBatch = 0;
    std::vector<DiskAnswer> answers;

    Win32RecycleBin bin;
    Win32Drives drives;
};

Win32DiskQueries::Win32DiskQueries() : shared_(std::make_shared<Shared>()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DeliveryProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = DeliveryClass;
    RegisterClassExW(&windowClass);
    window_.reset(CreateWindowExW(0, DeliveryClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    shared_->delivery = window_;

    // The thread takes its own share of the state along.
    auto* share = new std::shared_ptr<Shared>(shared_);
    const UniqueHandle thread(CreateThread(nullptr, 0, ReadingThread, share, 0, nullptr));
    if (!thread) delete share;
}

Win32DiskQueries::~Win32DiskQueries() {
    {
        const Locked locked(shared_->lock);
        shared_->delivery = nullptr;
    }
    WakeConditionVariable(&shared_->wake);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void Win32DiskQueries::Ask(std::vector<DiskQuestion> questions, Finished finished) {
    finished_ = std::move(finished);
    ++batch_;
    {
        const Locked locked(shared_->lock);
        shared_->asked = true;
        shared_->askedBatch = batch_;
        shared_->questions = std::move(questions);
    }
    WakeConditionVariable(&shared_->wake);
}

void Win32DiskQueries::Abandon() {
    finished_ = nullptr;
    ++batch_;
    const Locked locked(shared_->lock);
    shared_->asked = false;
    shared_->questions.clear();
}

DWORD WINAPI Win32DiskQueries::ReadingThread(void* parameter) {
    const std::shared_ptr<Shared> shared =
        std::move(*static_cast<std::shared_ptr<Shared>*>(parameter));
    delete static_cast<std::shared_ptr<Shared>*>(parameter);
    // The shell's bin query may use COM; this thread has no message loop, so it joins the
    // multithreaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (;;) {
        std::uint64_t batch = 0;
        std::vector<DiskQuestion> questions;
        {
            const Locked locked(shared->lock);
            while (shared->delivery != nullptr && !shared->asked) {
                SleepConditionVariableSRW(&shared->wake, &shared->lock, INFINITE, 0);
            }
            if (shared->delivery == nullptr) break;
            shared->asked = false;
            batch = shared->askedBatch;
            questions = std::move(shared->questions);
        }
        std::vector<DiskAnswer> answers =
            AnswerDiskQuestions(questions, shared->bin, shared->drives);
        const Locked locked(shared->lock);
        if (shared->delivery == nullptr) break;
        shared->answeredBatch = batch;
        shared->answers = std::move(answers);
        PostMessageW(shared->delivery, AnswersReady, 0, 0);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

LRESULT CALLBACK Win32DiskQueries::DeliveryProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == AnswersReady) {
        if (auto* self =
                reinterpret_cast<Win32DiskQueries*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            self->Deliver();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32DiskQueries::Deliver() {
    std::vector<DiskAnswer> answers;
    {
        const Locked locked(shared_->lock);
        if (shared_->answeredBatch != batch_) return;
        answers = std::move(shared_->answers);
        // Delivered once only.
        shared_->answeredBatch = 0;
    }
    // The receiver may ask the next batch, which sets a new `finished_`.
    const Finished finished = std::exchange(finished_, nullptr);
    if (finished) finished(std::move(answers));
}

}  // namespace zubolo
