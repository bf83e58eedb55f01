#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCodec.h"
#include "settings/IniEncoding.h"

namespace zubolo {

// A settings file held in memory: read whole, queried and changed in memory, written back whole.
// Section names and keys are compared without regard to the case of the letters A to Z.
//
// Reading: every line is stripped of blanks (characters up to U+0020); empty lines and lines
// beginning with ";" are skipped; "[name]" opens a section, and the lines under a second header
// of the same name are ignored, as are the lines before the first header. Any other line is an
// entry: the key before the first "=" (without blanks at its end), the value after it (without
// blanks at its start), taken literally; a line without "=" is a key with an empty value.
//
// Writing: for each section "[name]", then "key=value" per entry, then an empty line; lines end
// with CR LF; the encoding found when reading is kept, ANSI without a mark for a new file.
class IniDocument {
  public:
    struct Entry {
        std::u16string key;
        std::u16string value;
        bool operator==(const Entry&) const = default;
    };
    struct Section {
        std::u16string name;
        std::vector<Entry> entries;
        bool operator==(const Section&) const = default;
    };

    // An empty document in the ANSI code page: what a missing file reads as.
    IniDocument() = default;

    static IniDocument Parse(std::string_view bytes, const TextCodec& ansiCodePage);
    std::string Serialise(const TextCodec& ansiCodePage) const;

    IniEncoding Encoding() const { return encoding_; }
    const std::vector<Section>& Sections() const { return sections_; }

    // A missing key gives the default, and so does a value that is no integer (see
    // ParseIniInteger). A boolean is an integer with default 1 or 0; anything but 0 is true.
    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key,
                             std::int32_t defaultValue) const;
    bool ReadBool(std::u16string_view section, std::u16string_view key, bool defaultValue) const;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const;

    // An existing key gets the new value in its place; a new key goes to the end of its section,
    // and a new section to the end of the document.
    void WriteInteger(std::u16string_view section, std::u16string_view key, std::int32_t value);
    void WriteBool(std::u16string_view section, std::u16string_view key, bool value);
    void WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value);
    void EraseSection(std::u16string_view section);

    bool operator==(const IniDocument&) const = default;

  private:
    const std::u16string* FindValue(std::u16string_view section, std::u16string_view key) const;

    IniEncoding encoding_ = IniEncoding::Ansi;
    std::vector<Section> sections_;
};

}  // namespace zubolo
