#pragma once

namespace zubolo {

// A moment split into its calendar and clock fields (month and day count from 1, the hour from 0
// to 23): the user's local time, or, where a name says so, Coordinated Universal Time.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

}  // namespace zubolo
