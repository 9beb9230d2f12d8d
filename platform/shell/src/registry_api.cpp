// The exported registry calls: a table of open keys over the keys that
// ClassesRootKey describes.
#include "platform/registry.h"

#include "html_handler.h"
#include "registry_keys.h"
#include "xdg_dirs.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>

namespace {

// Rights that only read; the WOW64 view flags mean nothing here.
constexpr REGSAM kReadRights = KEY_READ | 0x0100 | 0x0200;

class OpenKeys {
public:
    static OpenKeys& Instance()
    {
        static OpenKeys keys;
        return keys;
    }

    HKEY Add(shell::RegistryKey key)
    {
        std::lock_guard lock(mutex_);
        const std::uintptr_t id = next_++;
        keys_.emplace(id, std::move(key));
        return reinterpret_cast<HKEY>(id);
    }

    std::optional<shell::RegistryKey> Get(HKEY key)
    {
        if (key == HKEY_CLASSES_ROOT)
            return shell::RegistryKey{"", std::nullopt};
        std::lock_guard lock(mutex_);
        const auto it = keys_.find(reinterpret_cast<std::uintptr_t>(key));
        if (it == keys_.end())
            return std::nullopt;
        return it->second;
    }

    bool Remove(HKEY key)
    {
        std::lock_guard lock(mutex_);
        return keys_.erase(reinterpret_cast<std::uintptr_t>(key)) == 1;
    }

private:
    std::mutex mutex_;
    std::map<std::uintptr_t, shell::RegistryKey> keys_;
    std::uintptr_t next_ = 1; // handles are never reused
};

// The key named `subKey` below the open key `parent`, as the desktop's
// handler is now.
std::optional<shell::RegistryKey> LookUp(const shell::RegistryKey& parent, LPCSTR subKey)
{
    if (subKey == nullptr || *subKey == '\0')
        return parent;
    const std::string path = shell::JoinKeyPath(parent.path, subKey);
    return shell::ClassesRootKey(path, shell::FindHtmlHandler(shell::XdgDirsFromEnvironment()));
}

} // namespace

extern "C" {

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM desired, PHKEY result)
{
    if (result == nullptr)
        return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    *result = nullptr;
    const std::optional<shell::RegistryKey> parent = OpenKeys::Instance().Get(key);
    if (!parent)
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    if ((desired & ~kReadRights) != 0)
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    std::optional<shell::RegistryKey> found = LookUp(*parent, subKey);
    if (!found)
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    *result = OpenKeys::Instance().Add(std::move(*found));
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegQueryValueA(HKEY key, LPCSTR subKey, LPSTR data, PLONG size)
{
    const std::optional<shell::RegistryKey> parent = OpenKeys::Instance().Get(key);
    if (!parent)
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    if (data != nullptr && size == nullptr)
        return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    const std::optional<shell::RegistryKey> found = LookUp(*parent, subKey);
    if (!found || !found->defaultValue)
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);

    const std::string& value = *found->defaultValue;
    if (value.size() >= static_cast<std::size_t>(std::numeric_limits<LONG>::max()))
        return static_cast<LONG>(ERROR_NOT_ENOUGH_MEMORY);
    const LONG needed = static_cast<LONG>(value.size() + 1);
    if (data == nullptr) {
        if (size != nullptr)
            *size = needed;
        return static_cast<LONG>(ERROR_SUCCESS);
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, value.c_str(), value.size() + 1);
    *size = needed;
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCloseKey(HKEY key)
{
    if (key == HKEY_CLASSES_ROOT)
        return static_cast<LONG>(ERROR_SUCCESS);
    return OpenKeys::Instance().Remove(key) ? static_cast<LONG>(ERROR_SUCCESS)
                                            : static_cast<LONG>(ERROR_INVALID_HANDLE);
}

} // extern "C"
