// SetTimer and KillTimer.
#include "runtime.h"

using namespace user;

extern "C" {

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    if (hwnd != nullptr && FindWindowRecord(hwnd) == nullptr)
        return 0;
    return RT().timers.Set(hwnd, id, elapseMs, proc, Backend().NowMs());
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    if (hwnd != nullptr && FindWindowRecord(hwnd) == nullptr)
        return FALSE;
    return RT().timers.Kill(hwnd, id) ? TRUE : FALSE;
}

} // extern "C"
