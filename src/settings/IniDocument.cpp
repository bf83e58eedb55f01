#include "settings/IniDocument.h"

#include <algorithm>
#include <unordered_set>

#include "settings/IniValues.h"

namespace zubolo {

namespace {

bool IsBlank(char16_t c) {
    return c <= u' ';
}

std::u16string_view StripLeadingBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::u16string_view StripTrailingBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::u16string_view StripBlanks(std::u16string_view text) {
    return StripTrailingBlanks(StripLeadingBlanks(text));
}

char16_t FoldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string FoldCase(std::u16string_view text) {
    std::u16string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char16_t c) { return FoldCase(c); });
    return folded;
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

// Lines end with CR LF, LF or CR.
std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(u"\r\n"), text.size());
        lines.push_back(text.substr(0, end));
        const bool crLf = text.substr(end).starts_with(u"\r\n");
        text.remove_prefix(std::min(end + (crLf ? 2 : 1), text.size()));
    }
    return lines;
}

IniDocument::Entry ParseEntry(std::u16string_view line) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) return {std::u16string(line), {}};
    return {std::u16string(StripTrailingBlanks(line.substr(0, equals))),
            std::u16string(StripLeadingBlanks(line.substr(equals + 1)))};
}

// Finds a section by name in a const or non-const list.
template <typename Sections>
auto FindSection(Sections& sections, std::u16string_view name) -> decltype(&sections.front()) {
    for (auto& section : sections) {
        if (EqualsIgnoringCase(section.name, name)) return &section;
    }
    return nullptr;
}

// A line break inside a value would start a new line, and so a new entry or section, when the
// file is read again; it is written as a blank instead.
std::u16string OnOneLine(std::u16string_view value) {
    std::u16string line(value);
    std::replace_if(
        line.begin(), line.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
    return line;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes, const TextCodec& ansiCodePage) {
    DecodedIniText decoded = DecodeIniBytes(bytes, ansiCodePage);
    IniDocument document;
    document.encoding_ = decoded.encoding;

    std::unordered_set<std::u16string> seenNames;  // folded, to spot repeated headers quickly
    Section* current = nullptr;  // none before the first header and under a repeated one
    for (std::u16string_view line : SplitLines(decoded.text)) {
        line = StripBlanks(line);
        if (line.empty() || line.starts_with(u';')) continue;
        if (line.size() >= 2 && line.starts_with(u'[') && line.ends_with(u']')) {
            const std::u16string_view name = StripBlanks(line.substr(1, line.size() - 2));
            current = nullptr;
            if (seenNames.insert(FoldCase(name)).second) {
                current = &document.sections_.emplace_back(Section{std::u16string(name), {}});
            }
        } else if (current != nullptr) {
            current->entries.push_back(ParseEntry(line));
        }
    }
    return document;
}

std::string IniDocument::Serialise(const TextCodec& ansiCodePage) const {
    std::u16string text;
    for (const Section& section : sections_) {
        text += u'[';
        text += section.name;
        text += u"]\r\n";
        for (const Entry& entry : section.entries) {
            text += entry.key;
            text += u'=';
            text += entry.value;
            text += u"\r\n";
        }
        text += u"\r\n";
    }
    return EncodeIniText(text, encoding_, ansiCodePage);
}

const std::u16string* IniDocument::FindValue(std::u16string_view section,
                                             std::u16string_view key) const {
    const Section* found = FindSection(sections_, section);
    if (found == nullptr) return nullptr;
    for (const Entry& entry : found->entries) {
        if (EqualsIgnoringCase(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

std::int32_t IniDocument::ReadInteger(std::u16string_view section, std::u16string_view key,
                                      std::int32_t defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    if (value == nullptr) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniDocument::ReadBool(std::u16string_view section, std::u16string_view key,
                           bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::u16string IniDocument::ReadString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    return std::u16string(value != nullptr ? *value : defaultValue);
}

void IniDocument::WriteInteger(std::u16string_view section, std::u16string_view key,
                               std::int32_t value) {
    WriteString(section, key, FormatIniInteger(value));
}

void IniDocument::WriteBool(std::u16string_view section, std::u16string_view key, bool value) {
    WriteString(section, key, value ? u"1" : u"0");
}

void IniDocument::WriteString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
    Section* target = FindSection(sections_, section);
    if (target == nullptr) {
        target = &sections_.emplace_back(Section{std::u16string(section), {}});
    }
    for (Entry& entry : target->entries) {
        if (EqualsIgnoringCase(entry.key, key)) {
            entry.value = OnOneLine(value);
            return;
        }
    }
    target->entries.push_back({std::u16string(key), OnOneLine(value)});
}

void IniDocument::EraseSection(std::u16string_view section) {
    std::erase_if(sections_,
                  [section](const Section& s) { return EqualsIgnoringCase(s.name, section); });
}

}  // namespace zubolo
