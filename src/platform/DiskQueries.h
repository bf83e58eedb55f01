#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Drives.h"
#include "platform/RecycleBin.h"

namespace zubolo {

// One question about the disks: how full a Recycle Bin is (a drive's, such as u"C:", or with no
// root the whole bin), or the size of the drive whose root is `root` (u"C:\").
struct DiskQuestion {
    enum class Kind { RecycleBin, Space };
    Kind kind = Kind::RecycleBin;
    std::optional<std::u16string> root;
    bool operator==(const DiskQuestion&) const = default;
};

// The answer to one question: `bin` for a Recycle Bin question, `space` for a size question.
struct DiskAnswer {
    RecycleBinQuery bin;
    DiskSpace space;
};

// Asks `questions` in order and answers each, on the calling thread.
std::vector<DiskAnswer> AnswerDiskQuestions(const std::vector<DiskQuestion>& questions,
                                            RecycleBin& bin, Drives& drives);

// The disk questions of the window, answered away from its thread. With many items in the bin a
// single question takes seconds; the window keeps answering its user meanwhile.
class DiskQueries {
  public:
    using Finished = std::function<void(std::vector<DiskAnswer>)>;
    virtual ~DiskQueries() = default;

    // Asks `questions` in order, one at a time, and then calls `finished` on the window's thread
    // with one answer per question. One batch at a time: a batch asked while another is under
    // way replaces it, and the answers of the replaced batch are dropped.
    virtual void Ask(std::vector<DiskQuestion> questions, Finished finished) = 0;
    // The batch under way is no longer wanted: `finished` is never called for it.
    virtual void Abandon() = 0;
};

}  // namespace zubolo
