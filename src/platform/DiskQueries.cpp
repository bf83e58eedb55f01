#include "platform/DiskQueries.h"

namespace zubolo {

std::vector<DiskAnswer> AnswerDiskQuestions(const std::vector<DiskQuestion>& questions,
                                            RecycleBin& bin, Drives& drives) {
    std::vector<DiskAnswer> answers;
    answers.reserve(questions.size());
    for (const DiskQuestion& question : questions) {
        DiskAnswer answer;
        if (question.kind == DiskQuestion::Kind::RecycleBin) {
            answer.bin = bin.Query(question.root);
        } else {
            answer.space = drives.Space(question.root.value_or(std::u16string()));
        }
        answers.push_back(answer);
    }
    return answers;
}

}  // namespace zubolo
