#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RecycleBin.h"

namespace zubolo {

// A Recycle Bin whose answers the test sets and which records every call.
class FakeRecycleBin final : public RecycleBin {
  public:
    static constexpr std::int32_t Failure = static_cast<std::int32_t>(0x80004005);  // E_FAIL

    struct DeleteCall {
        std::u16string path;
        WindowHandle owner = 0;
    };

    // Answer to a query without root path (all drives).
    RecycleBinQuery wholeBin{true, 0, 0, 0};
    // Answers to queries by root path; a root not listed fails with Failure.
    std::map<std::u16string, RecycleBinQuery> drives;
    // Answers to deletes by path; a path not listed goes to the bin.
    std::map<std::u16string, DeleteResult> deleteResults;

    std::vector<std::optional<std::u16string>> queriedRoots;
    std::vector<DeleteCall> deletes;
    // Runs for every path that went to the bin (result 0, nothing aborted).
    std::function<void(const std::u16string&)> onTaken;

    RecycleBinQuery Query(const std::optional<std::u16string>& rootPath) override {
        queriedRoots.push_back(rootPath);
        if (!rootPath) return wholeBin;
        const auto drive = drives.find(*rootPath);
        return drive != drives.end() ? drive->second : RecycleBinQuery{false, Failure, 0, 0};
    }

    DeleteResult DeleteWithUndo(std::u16string_view path, WindowHandle owner) override {
        deletes.push_back({std::u16string(path), owner});
        const auto scripted = deleteResults.find(std::u16string(path));
        const DeleteResult result =
            scripted != deleteResults.end() ? scripted->second : DeleteResult{0, false};
        if (result.result == 0 && !result.aborted && onTaken) onTaken(std::u16string(path));
        return result;
    }
};

}  // namespace zubolo
