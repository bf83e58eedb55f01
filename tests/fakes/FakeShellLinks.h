#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "platform/ShellLinks.h"

namespace zubolo {

// Link objects whose calls are recorded as text in order ("SetPath <path>", "QueryPersistFile",
// "Save <path>") and whose results the test sets by method name. A successful Save writes the
// file into the fake file system.
class FakeShellLinks final : public ShellLinks {
  public:
    explicit FakeShellLinks(FakeFileSystem& files) : files_(files) {}

    static constexpr std::int32_t AccessDenied = static_cast<std::int32_t>(0x80070005);
    static constexpr std::string_view SavedContent = "shell link";

    // HRESULT of Create; a failure makes no link.
    std::int32_t createResult = ResultOk;
    // HRESULT by method name ("SetPath", "QueryPersistFile", "Save", ...); unlisted ones succeed.
    std::map<std::u16string, std::int32_t> results;

    int createCalls = 0;
    std::vector<std::u16string> calls;

    ShellLinkCreation Create() override {
        ++createCalls;
        if (createResult != ResultOk) return {nullptr, createResult};
        return {std::make_unique<Link>(*this), ResultOk};
    }

  private:
    class Link final : public ShellLink {
      public:
        explicit Link(FakeShellLinks& owner) : owner_(owner) {}
        std::int32_t SetPath(std::u16string_view path) override {
            return owner_.Record(u"SetPath", path);
        }
        std::int32_t SetWorkingDirectory(std::u16string_view folder) override {
            return owner_.Record(u"SetWorkingDirectory", folder);
        }
        std::int32_t SetDescription(std::u16string_view description) override {
            return owner_.Record(u"SetDescription", description);
        }
        std::int32_t QueryPersistFile() override { return owner_.Record(u"QueryPersistFile", {}); }
        std::int32_t Save(std::u16string_view linkPath) override {
            const std::int32_t result = owner_.Record(u"Save", linkPath);
            if (result == ResultOk) owner_.files_.files[std::u16string(linkPath)] = SavedContent;
            return result;
        }

      private:
        FakeShellLinks& owner_;
    };

    std::int32_t Record(const std::u16string& method, std::u16string_view argument) {
        calls.push_back(argument.empty() ? method : method + u" " + std::u16string(argument));
        const auto scripted = results.find(method);
        return scripted != results.end() ? scripted->second : ResultOk;
    }

    FakeFileSystem& files_;
};

}  // namespace zubolo
