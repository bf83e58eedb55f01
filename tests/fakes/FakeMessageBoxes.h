#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace zubolo {

// Records every box and answers questions from a script.
class FakeMessageBoxes : public MessageBoxes {
  public:
    struct PlainBox {
        WindowHandle owner;
        std::u16string caption;
        std::u16string text;
        bool fitWidth;
    };
    struct Question {
        WindowHandle owner;
        std::u16string text;
        std::u16string caption;
        std::uint32_t flags;
    };

    // Answers given to Ask in order; once used up, every further question gets defaultAnswer.
    std::deque<int> answers;
    int defaultAnswer = 0;

    std::vector<PlainBox> plainBoxes;
    std::vector<Question> questions;
    // The text of every box, notices and questions alike, in the order the boxes opened.
    std::vector<std::u16string> shown;

    void ShowPlain(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                   bool fitWidth) override {
        plainBoxes.push_back({owner, std::u16string(caption), std::u16string(text), fitWidth});
        shown.emplace_back(text);
    }

    int Ask(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
            std::uint32_t flags) override {
        questions.push_back({owner, std::u16string(text), std::u16string(caption), flags});
        shown.emplace_back(text);
        if (answers.empty()) return defaultAnswer;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace zubolo
