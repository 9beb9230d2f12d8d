// Process-wide objects that are built on first use and never destroyed:
// objects of other libraries may still release GDI objects from their own
// static destructors at exit, after ordinary statics are gone.
#pragma once

#include <new>

namespace gdi {

template <class T>
class Immortal {
public:
    Immortal() { ::new (static_cast<void*>(storage_)) T(); }
    T& get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

private:
    alignas(T) unsigned char storage_[sizeof(T)];
};

} // namespace gdi
