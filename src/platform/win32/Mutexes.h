#pragma once
#include <vector>

#include "platform/Mutexes.h"
#include "platform/win32/OwnedHandles.h"

namespace zubolo {

class Win32Mutexes : public Mutexes {
  public:
    MutexResult CreateOwnedMutex(std::u16string_view name) override;

  private:
    // Every mutex created, open for as long as this object lives.
    std::vector<UniqueHandle> created_;
};

}  // namespace zubolo
