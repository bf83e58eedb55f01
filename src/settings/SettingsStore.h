#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "settings/IniDocument.h"

namespace zubolo {

// Reads and writes the settings file on disk.
class SettingsStore {
  public:
    SettingsStore(FileSystem& files, const TextCodec& ansiCodePage);

    // The document in the file at `path`, an empty one when there is no file. Nothing when the
    // file exists but cannot be read: its content is unknown, so it must not be overwritten.
    std::optional<IniDocument> Load(std::u16string_view path) const;

    // Where the file can be written: `iniPath` when its folder exists or can be created with
    // all the folders above it, otherwise the fallback beside the program.
    std::u16string PrepareWritePath(std::u16string_view iniPath, std::u16string_view programPath);

    // Writes the document to a temporary file in the same folder and swaps it in, so that a
    // crash or a failed write never leaves a truncated file. On failure the file at `path` stays
    // as it was and false is returned.
    bool Save(const IniDocument& document, std::u16string_view path);

  private:
    FileSystem& files_;
    const TextCodec& ansiCodePage_;
};

}  // namespace zubolo
