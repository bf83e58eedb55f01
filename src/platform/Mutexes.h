#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

inline constexpr std::uint32_t ErrorAlreadyExists = 183;

struct MutexResult {
    NativeHandle handle;          // none when the call failed
    std::uint32_t lastError = 0;  // the thread's last-error code right after the call
};

class Mutexes {
  public:
    virtual ~Mutexes() = default;
    // Creates (or opens) the named mutex with initial ownership requested and no security
    // attributes. The handle stays open as long as this object, which the program keeps for its
    // whole run.
    virtual MutexResult CreateOwnedMutex(std::u16string_view name) = 0;
};

}  // namespace zubolo
