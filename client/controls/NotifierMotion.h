// The pop-up notifier's movement without the platform: which screen edge
// the task bar takes (from the work area against the screen), where a
// slide starts, how long each step lasts, and the state machine of
// sliding in, staying and sliding out.  The machine drives the window
// through a NotifierTarget, so tests can watch every step without one.
#pragma once

#include "platform/user_types.h"

#include <optional>

namespace notifier {

// The edge the pop-up slides out of, as m_nEdge holds it.
enum Edge : int { kEdgeNone = 0, kEdgeTop = 1, kEdgeLeft = 2, kEdgeRight = 3, kEdgeBottom = 4 };

// m_nState values.
enum State : int { kHidden = 0, kAppearing = 1, kShowing = 2, kDisappearing = 3 };

// The pop-up's window timers.
inline constexpr UINT_PTR kTimerShow = 1;
inline constexpr UINT_PTR kTimerStay = 2;
inline constexpr UINT_PTR kTimerHide = 3;

// The task bar's edge: a work area narrower than the screen has the bar
// at its right when it starts at x 0, else at its left; one lower than
// the screen that does not start at y 0 has it at the top; everything
// else (a bar at the bottom, or none at all) counts as the bottom.
Edge TaskbarEdge(const RECT& work, int screenWidth, int screenHeight);

// Where a slide out of `edge` starts and ends: just outside the work area,
// at its bottom-right corner for a bottom or top bar and flush with its
// bottom for a left or right one.
POINT StartPosition(Edge edge, const RECT& work, int width, int height);

// The skin's extent along the slide (its width for a left or right bar).
int SlideDistance(Edge edge, int width, int height);

// The period of a step when `time` ms are spread over distance / step
// steps (both divisions truncate); nullopt when the slide would take no
// step at all (a skin shorter than the step), where the period would be a
// division by zero.
std::optional<DWORD> StepDelay(DWORD time, int distance, int step);

// Where the pop-up is fully shown along `edge`: only the coordinate that
// slides changes, taken from the work area.
POINT FullyShownPosition(Edge edge, const RECT& work, POINT current, int width, int height);

// The calls the machine makes on the pop-up's window.
class NotifierTarget {
public:
    virtual ~NotifierTarget() = default;
    // Show and activate the window where it is.
    virtual void ShowWindowHere() = 0;
    // Move and size the window without activating it or changing its
    // stacking.
    virtual void Place(int x, int y, int width, int height) = 0;
    virtual void StartTimer(UINT_PTR id, DWORD period) = 0;
    virtual void StopTimer(UINT_PTR id) = 0;
    // Invalidate and paint everything at once.
    virtual void Repaint() = 0;
    // Move the window to 0, 0 with size 0 by 0 and hide it.
    virtual void HideWindow() = 0;
};

// The animation state and its fields, named as the notifier names them.
// The desktop's geometry is handed in by the caller at each Show.
class NotifierMotion {
public:
    explicit NotifierMotion(NotifierTarget& target) : m_target(target) {}

    // The skin's size in pixels.
    void SetSkinSize(int width, int height)
    {
        m_nSkinWidth = width;
        m_nSkinHeight = height;
    }

    // Starts or renews an announcement; see the states below.  Returns
    // false, changing nothing but the stored times, when the skin is too
    // small to slide (no skin yet, or shorter than a step), so that no
    // timer ever runs with an undefined period.
    bool Show(DWORD showTime, DWORD stayTime, DWORD hideTime, const RECT& work, int screenWidth,
              int screenHeight);
    // A tick of one of the three timers; other ids are ignored.
    void OnTimer(UINT_PTR id);
    // Stops whatever runs and hides the window at once.
    void Hide();

    int m_nState = kHidden;
    DWORD m_dwShowTime = 0;
    DWORD m_dwStayTime = 0;
    DWORD m_dwHideTime = 0;
    DWORD m_dwShowStepDelay = 0;
    DWORD m_dwHideStepDelay = 0;
    int m_nStartX = 0;
    int m_nStartY = 0;
    int m_nCurX = 0;
    int m_nCurY = 0;
    int m_nEdge = kEdgeNone;
    int m_nStep = 2;
    int m_nSkinWidth = 0;
    int m_nSkinHeight = 0;

private:
    void SlideIn();
    void SlideOut();
    void PlaceHere();

    NotifierTarget& m_target;
};

} // namespace notifier
