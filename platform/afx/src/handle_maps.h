// Maps from platform handles to the framework objects that wrap them.
// Permanent entries belong to objects that own or were attached to their
// handle; temporary entries are wrappers made by FromHandle for handles
// nobody in the framework owns, kept until AfxDeleteTempMaps.
#pragma once

#include <map>
#include <memory>
#include <typeindex>
#include <utility>

namespace afx {

template <class Handle, class Object>
class HandleMap {
public:
    void SetPermanent(Handle h, Object* o) { permanent_[h] = o; }
    void RemovePermanent(Handle h, const Object* o)
    {
        auto it = permanent_.find(h);
        if (it != permanent_.end() && it->second == o)
            permanent_.erase(it);
    }
    Object* LookupPermanent(Handle h) const
    {
        auto it = permanent_.find(h);
        return it == permanent_.end() ? nullptr : it->second;
    }
    // A temporary wrapper of class T for `h`, made on first use.
    template <class T>
    T* Temporary(Handle h)
    {
        auto key = std::make_pair(std::type_index(typeid(T)), h);
        auto it = temporary_.find(key);
        if (it == temporary_.end()) {
            auto made = std::make_unique<T>();
            made->AttachTemporary(h);
            it = temporary_.emplace(key, std::move(made)).first;
        }
        return static_cast<T*>(it->second.get());
    }
    void DeleteTemporaries()
    {
        // Wrappers must not delete the handles they never owned.
        for (auto& [key, object] : temporary_)
            object->DetachTemporary();
        temporary_.clear();
    }

private:
    std::map<Handle, Object*> permanent_;
    std::map<std::pair<std::type_index, Handle>, std::unique_ptr<Object>> temporary_;
};

} // namespace afx
