// An idle Wine process for the length of a test run: while one Wine process lives, the
// wineserver stays up and every further start takes a fraction of the time of a cold start.
#include <windows.h>

int wmain() {
    Sleep(INFINITE);
    return 0;
}
