#include "SingleInstance.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace client {

namespace {

// Opens a file of ours: no symbolic link followed, and it must belong to
// this user, so another user cannot plant or share the counter.
int OpenOwnFile(const std::string& path)
{
    int fd;
    do
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool Lock(int fd, int operation)
{
    int rc;
    do
        rc = ::flock(fd, operation);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// The guard file, held exclusively while a copy reads and bumps the count.
class GuardLock {
public:
    explicit GuardLock(const std::string& path) : m_fd(OpenOwnFile(path))
    {
        if (m_fd >= 0 && !Lock(m_fd, LOCK_EX)) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~GuardLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    GuardLock(const GuardLock&) = delete;
    GuardLock& operator=(const GuardLock&) = delete;
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd;
};

std::int32_t ReadCount(int fd)
{
    std::int32_t value = 0;
    if (::pread(fd, &value, sizeof value, 0) != static_cast<ssize_t>(sizeof value))
        return 0; // a new or short file holds no count
    return value < 0 ? 0 : value;
}

} // namespace

CInstanceCount::CInstanceCount(std::string path) : m_strPath(path.empty() ? DefaultPath() : std::move(path)) {}

CInstanceCount::~CInstanceCount()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string CInstanceCount::DefaultPath()
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtimeDir && runtimeDir[0] == '/' && ::stat(runtimeDir, &st) == 0 && S_ISDIR(st.st_mode))
        return std::string(runtimeDir) + "/quillpost.instances";
    return "/tmp/quillpost-" + std::to_string(::geteuid()) + ".instances";
}

int CInstanceCount::Increment()
{
    if (m_nCount > 0)
        return m_nCount;
    m_nCount = 1; // whatever fails below, this copy runs
    GuardLock guard(m_strPath + ".guard");
    if (!guard.Held())
        return m_nCount;
    const int fd = OpenOwnFile(m_strPath);
    if (fd < 0)
        return m_nCount;
    // No other holder means no copy runs: whatever the file says is left
    // from copies that have ended.  Every copy holds the file shared, and
    // only a copy holding the guard ever asks for it exclusively.
    std::int32_t count = 0;
    if (Lock(fd, LOCK_EX | LOCK_NB)) {
        if (!Lock(fd, LOCK_SH)) {
            ::close(fd);
            return m_nCount;
        }
    } else if (Lock(fd, LOCK_SH)) {
        // Another copy holds the file, so it counted at least itself even
        // if its write was lost.
        count = ReadCount(fd);
        if (count < 1)
            count = 1;
    } else {
        ::close(fd);
        return m_nCount;
    }
    if (count < INT32_MAX)
        ++count;
    // A failed write loses only the exact number: the lock held from here
    // on still tells later copies that one runs.
    (void)!::pwrite(fd, &count, sizeof count, 0);
    m_fd = fd;
    m_nCount = count > 1 ? count : 1;
    return m_nCount;
}

int IncrementInstanceCount()
{
    static CInstanceCount instanceCount;
    return instanceCount.Increment();
}

} // namespace client
