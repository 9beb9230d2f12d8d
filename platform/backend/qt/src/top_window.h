// A top-level window on the desktop: a QWidget that shows the last
// presented pixels of the runtime's backing store and reports pointer,
// keys, activation, the desktop's moves and state changes and its close
// request.
#pragma once

#include "qt_impl.h"

#include <QWidget>

namespace platform {

class TopWindow final : public QWidget {
public:
    TopWindow(QtBackend::Impl& owner, NativeWindowId id, Qt::WindowFlags flags);

    // Copies `dirty` of the store into the shown image and asks for a repaint.
    void Present(const PixelView& store, RECT dirty);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ReportButton(QMouseEvent* event, bool down);
    void ReportKey(QKeyEvent* event, bool down);
    void ReportGeometry();

    QtBackend::Impl& owner_;
    NativeWindowId id_;
    QImage image_; // RGB32: the backing store's BGRX bytes with the X byte set
};

} // namespace platform
