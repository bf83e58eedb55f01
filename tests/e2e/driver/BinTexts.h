#pragma once
#include <windows.h>

#include <string>

namespace zubolo::e2e {

// The program's number texts as the user's locale writes them, worked out on the driver's side.

// A locale value of the user's default locale (separators and the like).
std::wstring LocaleText(LCTYPE type);

// The number with the user's thousands separator between every three digits.
std::wstring Grouped(unsigned long long value);

// Count and size of a Recycle Bin: "(1,234) 5,678,901".
std::wstring BinText(unsigned long long count, unsigned long long size);

// A share already multiplied by 100, with `decimals` decimals, the user's decimal separator and
// "%" after it.
std::wstring PercentText(double value, int decimals);

}  // namespace zubolo::e2e
