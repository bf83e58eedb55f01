#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

namespace zubolo {

class Display;
class FileVersions;
class KnownPaths;
class Locale;

// The fixed file version of the file's version resource as "major.minor.build.revision", or an
// empty text when the file has none or it cannot be read.
std::u16string GetFileVersionText(const FileVersions& versions, std::u16string_view path);

// Time from `start` to `now`: whole days as "<d>d" (left out under a day), then hours, minutes
// and seconds of the rest without leading zeros, "1d2h3m4s" or "0h5m3s". A `now` before `start`
// (the clock was set back) counts the same distance.
std::u16string GetElapsedText(const LocalDateTime& start, const LocalDateTime& now);

// The system's resolution as a scale in percent, rounded: 96 gives 100, 120 gives 125.
unsigned ScalePercent(unsigned dpi);

// What the About box reports, gathered from the outside world.
struct AboutFacts {
    std::u16string versionLabel;
    std::u16string programPath;
    std::u16string fileVersion;
    int screenWidth = 0;
    int screenHeight = 0;
    unsigned dpi = 0;
    std::u16string elapsed;
    std::u16string ukraineTime;
};

// The outside world that the facts come from.
struct AboutSources {
    const KnownPaths& paths;
    const FileVersions& versions;
    const Display& display;
    const Clock& clock;
    const Locale& locale;
};

// `versionLabel` is the program's version as its texts show it ("V2.0"); `startTime` the moment
// the main window was created.
AboutFacts GatherAboutFacts(const AboutSources& sources, std::u16string_view versionLabel,
                            const LocalDateTime& startTime);

// The About box's lines, in order: the program's name, version label, file version and build
// kind; its path; screen and resolution; time since start; an empty line; the maker's notice,
// mail address and home page; "made in Japan"; an empty line; the two lines of the time in
// Ukraine (one entry).
std::vector<std::u16string> AboutTextLines(const AboutFacts& facts);

// The lines joined with CR LF after each one, the last one included.
std::u16string JoinAboutText(const std::vector<std::u16string>& lines);

}  // namespace zubolo
