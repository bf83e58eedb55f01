// Reads any bytes as a settings file, writes the document and reads what was written: the second
// reading must give the same document, writing it again the same bytes, and nothing may crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fakes/FakeTextCodec.h"
#include "settings/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zubolo::FakeTextCodec latin1;  // lossless, so any difference is the document's fault
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const zubolo::IniDocument first = zubolo::IniDocument::Parse(bytes, latin1);
    const std::string written = first.Serialise(latin1);
    const zubolo::IniDocument second = zubolo::IniDocument::Parse(written, latin1);
    if (!(second == first) || second.Serialise(latin1) != written) std::abort();

    // Every value also goes through the integer reader.
    for (const zubolo::IniDocument::Section& section : first.Sections()) {
        for (const zubolo::IniDocument::Entry& entry : section.entries) {
            static_cast<void>(first.ReadInteger(section.name, entry.key, 0));
        }
    }
    return 0;
}
