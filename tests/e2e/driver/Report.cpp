#include "Report.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace zubolo::e2e {

void Fail(std::wstring_view message) {
    throw CaseFailure(std::wstring(message));
}

void Expect(bool condition, std::wstring_view what) {
    if (!condition) Fail(L"expected " + std::wstring(what));
}

void ExpectText(std::wstring_view what, std::wstring_view expected, std::wstring_view seen) {
    if (expected != seen) {
        Fail(std::wstring(what) + L": expected " + Quoted(expected) + L", saw " + Quoted(seen));
    }
}

void ExpectNumber(std::wstring_view what, long long expected, long long seen) {
    if (expected != seen) {
        Fail(std::wstring(what) + L": expected " + std::to_wstring(expected) + L", saw " +
             std::to_wstring(seen));
    }
}

void ExpectTexts(std::wstring_view what, const std::vector<std::wstring>& expected,
                 const std::vector<std::wstring>& seen) {
    if (expected != seen) {
        Fail(std::wstring(what) + L": expected " + QuotedList(expected) + L", saw " +
             QuotedList(seen));
    }
}

std::wstring QuotedList(const std::vector<std::wstring>& texts) {
    std::wstring list;
    for (const auto& text : texts) list += (list.empty() ? L"" : L", ") + Quoted(text);
    return L"[" + list + L"]";
}

std::wstring Quoted(std::wstring_view text) {
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'\r') {
            quoted += L"\\r";
        } else if (c == L'\n') {
            quoted += L"\\n";
        } else if (c < 0x20) {
            wchar_t escaped[8];
            std::swprintf(escaped, 8, L"\\x%02X", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + L"\"";
}

void PrintLine(std::wstring_view text) {
    const std::wstring line = std::wstring(text) + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), size,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()),
              &written, nullptr);
}

}  // namespace zubolo::e2e
