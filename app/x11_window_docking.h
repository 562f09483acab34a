#pragma once
// Docking on X11: the foreign X window becomes the parent of the window's
// own QWindow, so that Qt knows about the new parent.
#include "app/window_docking.h"

#include <QAbstractNativeEventFilter>

#include <QWindow>

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace tt::app {

class X11WindowDocking : public WindowDocking, private QAbstractNativeEventFilter {
public:
    explicit X11WindowDocking(xcb_connection_t* connection) : connection_(connection) {}
    ~X11WindowDocking() override;
    X11WindowDocking(const X11WindowDocking&) = delete;
    X11WindowDocking& operator=(const X11WindowDocking&) = delete;

    bool dock(QWidget& window, std::uint32_t handle, QPoint position, std::function<void()> parentGone) override;

private:
    bool windowExists(std::uint32_t handle) const;
    void watchDestruction(std::uint32_t handle);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    xcb_connection_t* connection_;
    // The foreign window as Qt knows it; the docked window is its child, so
    // this object must outlive the docked window.
    std::unique_ptr<QWindow> foreign_;
    std::uint32_t parent_ = 0;
    bool watching_ = false;
    std::function<void()> parentGone_;
};

}  // namespace tt::app
