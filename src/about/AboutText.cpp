#include "about/AboutText.h"

#include <cstdint>
#include <string_view>

#include "about/CalendarTime.h"
#include "about/MakerInfo.h"
#include "about/UkraineTime.h"
#include "common/DecimalText.h"
#include "platform/Display.h"
#include "platform/FileVersions.h"
#include "platform/KnownPaths.h"

namespace zubolo {
namespace {

constexpr std::u16string_view BuildKind = u"Release Build";
constexpr std::u16string_view MadeIn = u"made in Japan";

std::u16string Halves(std::uint32_t value) {
    return DecimalText(value >> 16) + u"." + DecimalText(value & 0xFFFF);
}

// The file's name without its folder and without the extension (from its last full stop on).
std::u16string_view BareFileName(std::u16string_view path) {
    const std::size_t folderEnd = path.find_last_of(u"\\/");
    if (folderEnd != std::u16string_view::npos) path.remove_prefix(folderEnd + 1);
    const std::size_t dot = path.rfind(u'.');
    return dot == std::u16string_view::npos ? path : path.substr(0, dot);
}

}  // namespace

std::u16string GetFileVersionText(const FileVersions& versions, std::u16string_view path) {
    const std::optional<FixedFileVersion> version = versions.FixedVersionOf(path);
    if (!version) return {};
    return Halves(version->mostSignificant) + u"." + Halves(version->leastSignificant);
}

std::u16string GetElapsedText(const LocalDateTime& start, const LocalDateTime& now) {
    const std::int64_t difference = ToMilliseconds(now) - ToMilliseconds(start);
    const std::int64_t distance = difference < 0 ? -difference : difference;
    const std::int64_t days = distance / MillisecondsPerDay;
    const std::int64_t seconds = distance % MillisecondsPerDay / 1000;
    std::u16string text = days != 0 ? DecimalText(days) + u"d" : std::u16string();
    return text + DecimalText(seconds / 3600) + u"h" + DecimalText(seconds / 60 % 60) + u"m" +
           DecimalText(seconds % 60) + u"s";
}

unsigned ScalePercent(unsigned dpi) {
    return (dpi * 200 + 96) / 192;
}

AboutFacts GatherAboutFacts(const AboutSources& sources, std::u16string_view versionLabel,
                            const LocalDateTime& startTime) {
    AboutFacts facts;
    facts.versionLabel = versionLabel;
    facts.programPath = sources.paths.ProgramFilePath();
    facts.fileVersion = GetFileVersionText(sources.versions, facts.programPath);
    facts.screenWidth = sources.display.ScreenWidth();
    facts.screenHeight = sources.display.ScreenHeight();
    facts.dpi = sources.display.SystemDpi();
    facts.elapsed = GetElapsedText(startTime, sources.clock.Now());
    facts.ukraineTime =
        GetUkraineTimeText(sources.clock.UtcNow(), UkrainianDateTimeWords(sources.locale));
    return facts;
}

std::vector<std::u16string> AboutTextLines(const AboutFacts& facts) {
    return {
        std::u16string(BareFileName(facts.programPath)) + u" " + facts.versionLabel + u" (" +
            facts.fileVersion + u") " + std::u16string(BuildKind),
        facts.programPath,
        u"CurrentScreen " + DecimalText(facts.screenWidth) + u" x " +
            DecimalText(facts.screenHeight) + u" / " + DecimalText(facts.dpi) + u"dpi x " +
            DecimalText(ScalePercent(facts.dpi)) + u"%",
        u"Elapsed " + facts.elapsed,
        u"",
        std::u16string(MakerNoticeLine),
        std::u16string(MakerMailAddress),
        std::u16string(MakerHomePageUrl),
        std::u16string(MadeIn),
        u"",
        facts.ukraineTime,
    };
}

std::u16string JoinAboutText(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) text += line + u"\r\n";
    return text;
}

}  // namespace zubolo
