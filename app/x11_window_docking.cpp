#include "app/x11_window_docking.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace tt::app {

namespace {

// A reply of the xcb library, freed when it goes out of scope.
template <typename Reply>
struct XcbReply {
    Reply* reply = nullptr;
    xcb_generic_error_t* error = nullptr;
    ~XcbReply()
    {
        std::free(reply);
        std::free(error);
    }
};

// No window can be found where there is no X server.
class NoDocking : public WindowDocking {
public:
    bool dock(QWidget&, std::uint32_t, QPoint, std::function<void()>) override { return false; }
};

}  // namespace

X11WindowDocking::~X11WindowDocking()
{
    if (watching_)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11WindowDocking::windowExists(std::uint32_t handle) const
{
    // An X error for a handle that names no window comes back in the reply
    // here instead of going to a global error handler.
    XcbReply<xcb_get_window_attributes_reply_t> answer;
    answer.reply = xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, handle),
                                                   &answer.error);
    return answer.reply != nullptr && answer.error == nullptr;
}

void X11WindowDocking::watchDestruction(std::uint32_t handle)
{
    // Ask for the foreign window's structure events on top of whatever this
    // connection already selected on it.
    XcbReply<xcb_get_window_attributes_reply_t> answer;
    answer.reply = xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, handle),
                                                   &answer.error);
    if (!answer.reply)
        return;
    const std::uint32_t mask = answer.reply->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, handle, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
    watching_ = true;
}

bool X11WindowDocking::dock(QWidget& window, std::uint32_t handle, QPoint position,
                            std::function<void()> parentGone)
{
    if (handle == 0 || !windowExists(handle))
        return false;
    foreign_.reset(QWindow::fromWinId(static_cast<WId>(handle)));
    if (!foreign_)
        return false;
    window.winId();  // creates the native window, and with it windowHandle()
    QWindow* own = window.windowHandle();
    own->setParent(foreign_.get());
    own->setPosition(position);
    parent_ = handle;
    parentGone_ = std::move(parentGone);
    watchDestruction(handle);
    return true;
}

bool X11WindowDocking::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !parentGone_)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window != parent_)
        return false;
    // Called once: the parent cannot go twice.
    std::function<void()> gone = std::move(parentGone_);
    parentGone_ = nullptr;
    gone();
    return false;
}

std::unique_ptr<WindowDocking> makePlatformDocking()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
            return std::make_unique<X11WindowDocking>(x11->connection());
    }
    return std::make_unique<NoDocking>();
}

}  // namespace tt::app
