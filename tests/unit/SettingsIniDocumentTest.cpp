#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "fakes/FakeTextCodec.h"
#include "settings/IniDocument.h"

namespace zubolo {
namespace {

const FakeTextCodec Latin1;
constexpr std::u16string_view Missing = u"<missing>";

IniDocument Parse(std::string_view bytes) {
    return IniDocument::Parse(bytes, Latin1);
}

struct ReadCase {
    std::string_view file;
    std::u16string_view section;
    std::u16string_view key;
    std::u16string_view expected;
};

TEST(SettingsIniDocumentTest, ReadsEntriesByTheLineRules) {
    const ReadCase cases[] = {
        {"[MODE]\r\nDragDrop=1\r\n", u"MODE", u"DragDrop", u"1"},
        // Blanks around the line, the section name, the key's end and the value's start go.
        {"  [ MODE ]  \r\n \t DragDrop \t=  2 x  \r\n", u"MODE", u"DragDrop", u"2 x"},
        // The key ends at the first "="; the value is literal: quotes and ";" stay.
        {"[P]\r\nk = a = b\r\n", u"P", u"k", u"a = b"},
        {"[P]\r\nk=\"C:\\a b\" ;note\r\n", u"P", u"k", u"\"C:\\a b\" ;note"},
        {"[P]\r\nlonely\r\n", u"P", u"lonely", u""},
        {"[P]\r\n=v\r\n", u"P", u"", u"v"},
        {"[P]\r\n;k=1\r\n", u"P", u"k", Missing},
        {"k=1\r\n[P]\r\n", u"P", u"k", Missing},
        // Section names and keys ignore case.
        {"[mode]\r\nSTATE=2\r\n", u"MODE", u"state", u"2"},
        // Only the first header of a section counts, whatever its case.
        {"[MODE]\r\nA=1\r\n[X]\r\n[mode]\r\nA=3\r\nB=2\r\n", u"MODE", u"A", u"1"},
        {"[MODE]\r\nA=1\r\n[X]\r\n[mode]\r\nA=3\r\nB=2\r\n", u"MODE", u"B", Missing},
        {"[P]\r\nk=1\r\nk=2\r\n", u"P", u"k", u"1"},
        // Lines may end with LF or CR alone.
        {"[P]\nA=1\rB=2", u"P", u"B", u"2"},
        {"[]\r\nk=1\r\n", u"", u"k", u"1"},
        {"[P\r\nk=1\r\n", u"P", u"k", Missing},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(Parse(c.file).ReadString(c.section, c.key, Missing), c.expected);
    }
}

TEST(SettingsIniDocumentTest, IntegersAndBooleansFallBackToTheirDefaults) {
    const IniDocument document = Parse(
        "[POSITION]\r\nShowCmd=0x1\r\nMaxX=$1\r\nLeft=one\r\nTop=\r\n"
        "[MODE]\r\nFolded=2\r\nStayOnTop=\r\nAutoWidth=0\r\nShowHint=x\r\n");
    EXPECT_EQ(document.ReadInteger(u"POSITION", u"ShowCmd", 5), 1);
    EXPECT_EQ(document.ReadInteger(u"POSITION", u"MaxX", 5), 1);
    EXPECT_EQ(document.ReadInteger(u"POSITION", u"Left", 5), 5);
    EXPECT_EQ(document.ReadInteger(u"POSITION", u"Top", 5), 5);
    EXPECT_EQ(document.ReadInteger(u"POSITION", u"Right", 5), 5);
    EXPECT_EQ(document.ReadInteger(u"NOWHERE", u"Left", -7), -7);

    EXPECT_TRUE(document.ReadBool(u"MODE", u"Folded", false));
    EXPECT_FALSE(document.ReadBool(u"MODE", u"StayOnTop", false));
    EXPECT_TRUE(document.ReadBool(u"MODE", u"StayOnTop", true));
    EXPECT_FALSE(document.ReadBool(u"MODE", u"AutoWidth", true));
    EXPECT_TRUE(document.ReadBool(u"MODE", u"ShowHint", true));
    EXPECT_TRUE(document.ReadBool(u"MODE", u"SaveStatus", true));
}

struct WriteCase {
    std::string_view before;
    std::function<void(IniDocument&)> change;
    std::string_view after;
};

TEST(SettingsIniDocumentTest, WritesTheWholeDocumentBack) {
    const WriteCase cases[] = {
        // Each section is followed by an empty line; lines end with CR LF.
        {"", [](IniDocument& d) { d.WriteString(u"S", u"k", u"v"); }, "[S]\r\nk=v\r\n\r\n"},
        // An existing key keeps its place and spelling.
        {"[A]\r\nState=1\r\ny=2\r\n", [](IniDocument& d) { d.WriteInteger(u"a", u"state", -5); },
         "[A]\r\nState=-5\r\ny=2\r\n\r\n"},
        // A new key goes to the end of its own section, not of the file.
        {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n",
         [](IniDocument& d) {
             d.WriteBool(u"A", u"on", true);
             d.WriteBool(u"A", u"off", false);
         },
         "[A]\r\nx=1\r\non=1\r\noff=0\r\n\r\n[B]\r\ny=2\r\n\r\n"},
        // A section removed and written again moves behind the sections of other writers.
        {"[Other]\r\na=1\r\n[PROGRAM]\r\nx=1\r\nold=1\r\n[More]\r\nb=2\r\n",
         [](IniDocument& d) {
             d.EraseSection(u"program");
             d.WriteString(u"PROGRAM", u"x", u"2");
         },
         "[Other]\r\na=1\r\n\r\n[More]\r\nb=2\r\n\r\n[PROGRAM]\r\nx=2\r\n\r\n"},
        {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n", [](IniDocument& d) { d.EraseSection(u"A"); },
         "[B]\r\ny=2\r\n\r\n"},
        // What reading skips is not written back; what it strips is written stripped.
        {"top=1\n; note\n\n[A]\n  k  =  v  \nbare\n[a]\nk=2\n", [](IniDocument&) {},
         "[A]\r\nk=v\r\nbare=\r\n\r\n"},
        // A line break in a value must not open a new section when the file is read again.
        {"", [](IniDocument& d) { d.WriteString(u"A", u"k", u"x\r\n[MODE]"); },
         "[A]\r\nk=x  [MODE]\r\n\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.before);
        IniDocument document = Parse(c.before);
        c.change(document);
        EXPECT_EQ(document.Serialise(Latin1), c.after);
    }
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct EncodingCase {
    std::string name;
    std::string file;
    IniEncoding encoding;
    std::u16string value;  // of [A] k
};

TEST(SettingsIniDocumentTest, KeepsTheEncodingAndMarkItFound) {
    const std::u16string text = u"[A]\r\nk=ツール 😀\r\n\r\n";
    const EncodingCase cases[] = {
        {"UTF-8", "\xEF\xBB\xBF[A]\r\nk=ツール 😀\r\n\r\n", IniEncoding::Utf8, u"ツール 😀"},
        {"UTF-16LE", Utf16Bytes(text, false), IniEncoding::Utf16LittleEndian, u"ツール 😀"},
        {"UTF-16BE", Utf16Bytes(text, true), IniEncoding::Utf16BigEndian, u"ツール 😀"},
        {"ANSI", "[A]\r\nk=caf\xE9\r\n\r\n", IniEncoding::Ansi, u"café"},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document = Parse(c.file);
        EXPECT_EQ(document.Encoding(), c.encoding);
        EXPECT_EQ(document.ReadString(u"A", u"k", Missing), c.value);
        EXPECT_EQ(document.Serialise(Latin1), c.file);

        // A second value survives the trip just as well.
        document.WriteString(u"A", u"k2", c.value);
        EXPECT_EQ(Parse(document.Serialise(Latin1)), document);
    }
}

TEST(SettingsIniDocumentTest, AnsiLosesOnlyWhatTheCodePageCannotHold) {
    IniDocument fresh;
    fresh.WriteString(u"PROGRAM", u"Path", u"C:\\ツール\\café");
    EXPECT_EQ(fresh.Encoding(), IniEncoding::Ansi);
    EXPECT_EQ(fresh.Serialise(Latin1), "[PROGRAM]\r\nPath=C:\\???\\caf\xE9\r\n\r\n");
}

TEST(SettingsIniDocumentTest, MalformedUnicodeBecomesReplacementCharacters) {
    struct Case {
        std::string file;
        std::u16string value;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[A]\r\nk=a\xC3", u"a\uFFFD"},               // cut-off sequence
        {"\xEF\xBB\xBF[A]\r\nk=\xC0\xAF!", u"\uFFFD!"},           // overlong "/"
        {"\xEF\xBB\xBF[A]\r\nk=\xED\xA0\x80!", u"\uFFFD!"},       // encoded surrogate
        {"\xEF\xBB\xBF[A]\r\nk=\xFF\x80", u"\uFFFD\uFFFD"},       // no lead byte
        {Utf16Bytes(u"[A]\r\nk=x", false) + "\x41", u"x\uFFFD"},  // odd byte count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.value));
        EXPECT_EQ(Parse(c.file).ReadString(u"A", u"k", Missing), c.value);
    }
}

}  // namespace
}  // namespace zubolo
