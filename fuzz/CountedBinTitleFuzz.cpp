// Reads any bytes as a caption of UTF-16 code units and checks the counted-caption test against
// the pattern it implements, "(" [0-9,]+ ") " [0-9,]* and nothing else; then builds a Recycle Bin
// text from numbers taken from the same bytes: with "," as thousands separator the test must
// accept it, with "." it must accept it exactly when no figure needs a separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/NumberPattern.h"
#include "linkage/BinCaptions.h"
#include "monitor/StatusTexts.h"

namespace {

// The pattern read one code unit at a time, apart from the implementation's search for ") ".
bool MatchesCountedPattern(std::u16string_view caption) {
    enum class Expect { Open, FirstCountFigure, CountFigureOrClose, Space, SizeFigure };
    Expect expect = Expect::Open;
    for (const char16_t unit : caption) {
        const bool figure = (unit >= u'0' && unit <= u'9') || unit == u',';
        switch (expect) {
            case Expect::Open:
                if (unit != u'(') return false;
                expect = Expect::FirstCountFigure;
                break;
            case Expect::FirstCountFigure:
                if (!figure) return false;
                expect = Expect::CountFigureOrClose;
                break;
            case Expect::CountFigureOrClose:
                if (unit == u')') {
                    expect = Expect::Space;
                } else if (!figure) {
                    return false;
                }
                break;
            case Expect::Space:
                if (unit != u' ') return false;
                expect = Expect::SizeFigure;
                break;
            case Expect::SizeFigure:
                if (!figure) return false;
                break;
        }
    }
    return expect == Expect::SizeFigure;
}

std::uint64_t Take(const std::uint8_t*& data, std::size_t& size) {
    std::uint64_t value = 0;
    const std::size_t length = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, length);
    data += length;
    size -= length;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string caption(size / 2, u'\0');
    std::memcpy(caption.data(), data, caption.size() * 2);
    if (zubolo::IsCountedBinTitle(caption) != MatchesCountedPattern(caption)) std::abort();

    const std::uint64_t count = Take(data, size);
    const std::uint64_t bytes = Take(data, size);
    const std::u16string withCommas = zubolo::RecycleBinText(count, bytes, {u",", u"."});
    if (!zubolo::IsCountedBinTitle(withCommas)) std::abort();
    const std::u16string withDots = zubolo::RecycleBinText(count, bytes, {u".", u","});
    if (zubolo::IsCountedBinTitle(withDots) != (withDots.find(u'.') == std::u16string::npos)) {
        std::abort();
    }
    return 0;
}
