#pragma once
#include <array>
#include <string>

namespace zubolo {

// The words of the user's locale that date and time pictures can ask for ("ddd", "MMMM", "tt",
// "g"). Days run from Sunday, months from January.
struct DateTimeNames {
    std::array<std::u16string, 7> dayNames;
    std::array<std::u16string, 7> abbreviatedDayNames;
    std::array<std::u16string, 12> monthNames;
    std::array<std::u16string, 12> abbreviatedMonthNames;
    std::u16string amDesignator;
    std::u16string pmDesignator;
    std::u16string eraName;
};

}  // namespace zubolo
