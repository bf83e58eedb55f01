#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
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
        WindowHandle owner;
    };

    // Answer to a query without root path (all drives).
    RecycleBinQuery wholeBin{true, 0, 0, 0};
    // Answers to queries by root path; a root not listed fails with Failure.
    std::map<std::u16string, RecycleBinQuery> drives;
    // The shell's answer for an item that is no longer there (ERROR_FILE_NOT_FOUND).
    static constexpr int Missing = 2;

    // Answers to deletes by path. A path not listed goes to the bin; once there, it is gone from
    // its place and a second delete of it fails with Missing.
    std::map<std::u16string, DeleteResult> deleteResults;
    std::set<std::u16string> inBin;

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
        const std::u16string key(path);
        DeleteResult result{0, false};
        if (const auto scripted = deleteResults.find(key); scripted != deleteResults.end()) {
            result = scripted->second;
        } else if (!inBin.insert(key).second) {
            return {Missing, false};
        }
        if (result.result == 0 && !result.aborted && onTaken) onTaken(key);
        return result;
    }
};

}  // namespace zubolo
