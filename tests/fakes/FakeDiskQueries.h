#pragma once
#include <optional>
#include <utility>
#include <vector>

#include "platform/DiskQueries.h"

namespace zubolo {

// Disk questions answered from a fake bin and fake drives: at once, as if the reading thread
// were infinitely fast, or, with `hold` set, only when the test calls Finish.
class FakeDiskQueries final : public DiskQueries {
  public:
    FakeDiskQueries(RecycleBin& bin, Drives& drives) : bin_(bin), drives_(drives) {}

    bool hold = false;
    // Every batch asked, in order.
    std::vector<std::vector<DiskQuestion>> batches;

    void Ask(std::vector<DiskQuestion> questions, Finished finished) override {
        batches.push_back(questions);
        waiting_.reset();
        if (hold) {
            waiting_ = Waiting{std::move(questions), std::move(finished)};
        } else {
            finished(AnswerDiskQuestions(questions, bin_, drives_));
        }
    }

    void Abandon() override { waiting_.reset(); }

    bool Waits() const { return waiting_.has_value(); }

    // The held batch ends now, answered by the bin and the drives as they are at this moment.
    // Does nothing when no batch waits, as with a reading that was abandoned.
    void Finish() {
        if (!waiting_) return;
        Waiting ending = std::move(*waiting_);
        waiting_.reset();
        ending.finished(AnswerDiskQuestions(ending.questions, bin_, drives_));
    }

  private:
    struct Waiting {
        std::vector<DiskQuestion> questions;
        Finished finished;
    };
    RecycleBin& bin_;
    Drives& drives_;
    std::optional<Waiting> waiting_;
};

}  // namespace zubolo
