#pragma once
#include "platform/Mutexes.h"

namespace zubolo {

class Win32Mutexes : public Mutexes {
  public:
    MutexResult CreateOwnedMutex(std::u16string_view name) override;
};

}  // namespace zubolo
