#pragma once
#include <windows.h>
// (COM after <windows.h>)
#include <objbase.h>

#include <memory>

namespace zubolo::e2e {

// COM in a single-threaded apartment on this thread while the object lives.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

// One reference to a COM interface, released when it goes.
template <class Interface>
using ComRef = std::unique_ptr<Interface, ComRelease>;

// Asks `object` for another of its interfaces; empty when it offers none.
template <class Interface>
ComRef<Interface> Query(IUnknown* object, REFIID id) {
    void* found = nullptr;
    if (FAILED(object->QueryInterface(id, &found))) return {};
    return ComRef<Interface>(static_cast<Interface*>(found));
}

}  // namespace zubolo::e2e
