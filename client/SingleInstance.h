// InstanceCount: how many copies of the program have started since the
// last time none was running.  It is shared by every copy the user runs and
// falls back to 0 once no copy is left; it is never decreased while one
// runs.  It lives in a small per-user file: each copy that has counted
// itself holds a shared lock on it for the rest of its life, so a copy that
// finds no lock holder knows that the stored number is stale.
#pragma once

#include <string>

namespace client {

class CInstanceCount {
public:
    // `path` names the counter file; a second file, `path` + ".guard",
    // makes the read and the increment one step.  Empty: DefaultPath().
    explicit CInstanceCount(std::string path = {});
    ~CInstanceCount();
    CInstanceCount(const CInstanceCount&) = delete;
    CInstanceCount& operator=(const CInstanceCount&) = delete;

    // Counts this copy: returns the new value, 1 for the only copy running.
    // The count holds from then on until this object is destroyed (or the
    // process ends).  Counting again returns the value already taken.
    // When the counter file cannot be used the copy counts as the only one,
    // so the program still runs.
    int Increment();

    const std::string& Path() const { return m_strPath; }

    // "$XDG_RUNTIME_DIR/quillpost.instances" when that is an absolute
    // directory, else "/tmp/quillpost-<uid>.instances".
    static std::string DefaultPath();

private:
    std::string m_strPath;
    int m_fd = -1;
    int m_nCount = 0;
};

// The process's own counter, alive until the process ends: adds this copy
// and returns the new value (greater than 1 when another copy runs).
int IncrementInstanceCount();

} // namespace client
