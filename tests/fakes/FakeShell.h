#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace zubolo {

// Scripted shell: answers from its fields and records every call.
class FakeShell : public Shell {
  public:
    struct OpenCall {
        std::u16string file;
        std::optional<std::u16string> parameters;
    };
    struct FolderCall {
        WindowHandle owner;
        std::int32_t csidl;
    };

    // Answers.
    std::uint32_t openResult = 42;
    bool propertiesResult = true;
    bool objectPropertiesResult = true;
    std::map<std::int32_t, std::u16string> folderPaths;   // missing: no file-system path
    std::map<std::uint32_t, std::u16string> systemTexts;  // missing: the system has no text

    // Calls.
    std::vector<OpenCall> openCalls;
    std::vector<std::u16string> propertiesCalls;
    std::vector<std::u16string> objectPropertiesCalls;
    std::vector<FolderCall> folderCalls;
    std::vector<std::uint32_t> systemTextCalls;

    std::uint32_t ExecuteOpen(std::u16string_view file,
                              std::optional<std::u16string_view> parameters) override {
        openCalls.push_back({std::u16string(file), parameters
                                                       ? std::optional<std::u16string>(*parameters)
                                                       : std::nullopt});
        return openResult;
    }

    bool ExecuteProperties(std::u16string_view path) override {
        propertiesCalls.emplace_back(path);
        return propertiesResult;
    }

    bool ObjectProperties(std::u16string_view path) override {
        objectPropertiesCalls.emplace_back(path);
        return objectPropertiesResult;
    }

    std::u16string SpecialFolderPath(WindowHandle owner, std::int32_t csidl) override {
        folderCalls.push_back({owner, csidl});
        const auto found = folderPaths.find(csidl);
        return found != folderPaths.end() ? found->second : std::u16string();
    }

    std::u16string SystemMessageText(std::uint32_t code) override {
        systemTextCalls.push_back(code);
        const auto found = systemTexts.find(code);
        return found != systemTexts.end() ? found->second : std::u16string();
    }
};

}  // namespace zubolo
