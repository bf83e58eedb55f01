#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zubolo::e2e {

// A case stops at its first broken expectation; the message says what was expected and what
// was seen, so a failing run can be read without a debugger.
class CaseFailure {
  public:
    explicit CaseFailure(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }

  private:
    std::wstring message_;
};

[[noreturn]] void Fail(std::wstring_view message);
void Expect(bool condition, std::wstring_view what);
void ExpectText(std::wstring_view what, std::wstring_view expected, std::wstring_view seen);
void ExpectNumber(std::wstring_view what, long long expected, long long seen);
void ExpectTexts(std::wstring_view what, const std::vector<std::wstring>& expected,
                 const std::vector<std::wstring>& seen);

// The text in quotes with control characters written as \r, \n or \xNN.
std::wstring Quoted(std::wstring_view text);
// The texts quoted, separated by commas, in brackets.
std::wstring QuotedList(const std::vector<std::wstring>& texts);

// Writes one line as UTF-8 to standard output (the console of a test run is a pipe, not a
// Windows console, so WriteConsoleW is of no use).
void PrintLine(std::wstring_view text);

}  // namespace zubolo::e2e
