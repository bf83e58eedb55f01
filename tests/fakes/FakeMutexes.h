#pragma once
#include <string>
#include <vector>

#include "platform/Mutexes.h"

namespace zubolo {

class FakeMutexes : public Mutexes {
  public:
    MutexResult next{0x44, 0};
    std::vector<std::u16string> created;

    MutexResult CreateOwnedMutex(std::u16string_view name) override {
        created.emplace_back(name);
        return next;
    }
};

}  // namespace zubolo
