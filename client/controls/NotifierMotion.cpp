#include "NotifierMotion.h"

namespace notifier {

Edge TaskbarEdge(const RECT& work, int screenWidth, int screenHeight)
{
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;
    if (workWidth < screenWidth)
        return work.left == 0 ? kEdgeRight : kEdgeLeft;
    if (workHeight < screenHeight && work.top != 0)
        return kEdgeTop;
    return kEdgeBottom;
}

POINT StartPosition(Edge edge, const RECT& work, int width, int height)
{
    switch (edge) {
    case kEdgeRight: return {work.right, work.bottom - height};
    case kEdgeLeft: return {work.left - width, work.bottom - height};
    case kEdgeTop: return {work.right - width, work.top - height};
    default: return {work.right - width, work.bottom};
    }
}

int SlideDistance(Edge edge, int width, int height)
{
    return edge == kEdgeLeft || edge == kEdgeRight ? width : height;
}

std::optional<DWORD> StepDelay(DWORD time, int distance, int step)
{
    if (step <= 0)
        return std::nullopt;
    const int steps = distance / step;
    if (steps <= 0)
        return std::nullopt;
    return time / static_cast<DWORD>(steps);
}

POINT FullyShownPosition(Edge edge, const RECT& work, POINT current, int width, int height)
{
    switch (edge) {
    case kEdgeRight: current.x = work.right - width; break;
    case kEdgeLeft: current.x = work.left; break;
    case kEdgeTop: current.y = work.top; break;
    default: current.y = work.bottom - height; break;
    }
    return current;
}

bool NotifierMotion::Show(DWORD showTime, DWORD stayTime, DWORD hideTime, const RECT& work, int screenWidth,
                          int screenHeight)
{
    m_dwShowTime = showTime;
    m_dwStayTime = stayTime;
    m_dwHideTime = hideTime;

    const Edge edge = TaskbarEdge(work, screenWidth, screenHeight);
    const int w = m_nSkinWidth;
    const int h = m_nSkinHeight;

    switch (m_nState) {
    case kHidden: {
        const int distance = SlideDistance(edge, w, h);
        const std::optional<DWORD> showDelay = StepDelay(m_dwShowTime, distance, m_nStep);
        const std::optional<DWORD> hideDelay = StepDelay(m_dwHideTime, distance, m_nStep);
        if (!showDelay || !hideDelay)
            return false;
        // The window is still where the last cycle left it (just outside
        // the work area, or nowhere at 0 by 0 pixels): showing it shows
        // nothing until the first tick moves it in.
        m_target.ShowWindowHere();
        const POINT start = StartPosition(edge, work, w, h);
        m_nStartX = start.x;
        m_nStartY = start.y;
        m_nEdge = edge;
        m_dwShowStepDelay = *showDelay;
        m_dwHideStepDelay = *hideDelay;
        m_nCurX = m_nStartX;
        m_nCurY = m_nStartY;
        m_target.StartTimer(kTimerShow, m_dwShowStepDelay);
        return true;
    }
    case kAppearing:
        // The slide goes on at its old pace; the new stay time applies
        // once it ends.
        m_target.Repaint();
        return true;
    case kShowing:
        m_target.Repaint();
        m_target.StopTimer(kTimerStay);
        m_target.StartTimer(kTimerStay, m_dwStayTime);
        return true;
    case kDisappearing: {
        m_target.StopTimer(kTimerHide);
        m_target.StartTimer(kTimerStay, m_dwStayTime);
        const POINT shown =
            FullyShownPosition(static_cast<Edge>(m_nEdge), work, POINT{m_nCurX, m_nCurY}, w, h);
        m_nCurX = shown.x;
        m_nCurY = shown.y;
        PlaceHere();
        m_target.Repaint();
        return true;
    }
    default: return false;
    }
}

void NotifierMotion::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kTimerShow: SlideIn(); break;
    case kTimerStay:
        m_target.StopTimer(kTimerStay);
        m_target.StartTimer(kTimerHide, m_dwHideStepDelay);
        break;
    case kTimerHide: SlideOut(); break;
    default: break;
    }
}

void NotifierMotion::SlideIn()
{
    m_nState = kAppearing;
    const int w = m_nSkinWidth;
    const int h = m_nSkinHeight;
    // The test comes before the step, so along an odd extent the pop-up
    // ends one pixel beyond fully shown.
    bool moving = false;
    switch (m_nEdge) {
    case kEdgeTop:
        if ((moving = m_nCurY - m_nStartY < h))
            m_nCurY += m_nStep;
        break;
    case kEdgeLeft:
        if ((moving = m_nCurX - m_nStartX < w))
            m_nCurX += m_nStep;
        break;
    case kEdgeRight:
        if ((moving = m_nCurX > m_nStartX - w))
            m_nCurX -= m_nStep;
        break;
    default:
        if ((moving = m_nCurY > m_nStartY - h))
            m_nCurY -= m_nStep;
        break;
    }
    if (!moving) {
        m_target.StopTimer(kTimerShow);
        m_target.StartTimer(kTimerStay, m_dwStayTime);
        m_nState = kShowing;
    }
    PlaceHere();
}

void NotifierMotion::SlideOut()
{
    m_nState = kDisappearing;
    bool moving = false;
    switch (m_nEdge) {
    case kEdgeTop:
        if ((moving = m_nCurY > m_nStartY))
            m_nCurY -= m_nStep;
        break;
    case kEdgeLeft:
        if ((moving = m_nCurX > m_nStartX))
            m_nCurX -= m_nStep;
        break;
    case kEdgeRight:
        if ((moving = m_nCurX < m_nStartX))
            m_nCurX += m_nStep;
        break;
    default:
        if ((moving = m_nCurY < m_nStartY))
            m_nCurY += m_nStep;
        break;
    }
    if (!moving) {
        m_target.StopTimer(kTimerHide);
        Hide();
    }
    // After Hide this leaves the hidden window at its start position with
    // its full size, where the next Show finds it.
    PlaceHere();
}

void NotifierMotion::Hide()
{
    // Every timer goes, not only the current state's: timer 1 runs before
    // the first tick sets the state, and the stay timer can be running
    // during a slide-out.  A timer left behind would go on moving the
    // hidden window and leave the state saying it is on screen, so that
    // the next Show would not show it.
    m_target.StopTimer(kTimerShow);
    m_target.StopTimer(kTimerStay);
    m_target.StopTimer(kTimerHide);
    m_target.HideWindow();
    m_nState = kHidden;
}

void NotifierMotion::PlaceHere() { m_target.Place(m_nCurX, m_nCurY, m_nSkinWidth, m_nSkinHeight); }

} // namespace notifier
