#pragma once
// Docking the window into a window of another program, known only by its
// native handle. Behind a seam: the X11 way needs a real X server, tests on
// the offscreen platform use a fake.
#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace tt::app {

class WindowDocking {
public:
    virtual ~WindowDocking() = default;
    // Makes the (frameless, not yet shown) `window` a child of the foreign
    // window `handle`, at `position` in that window's client coordinates.
    // False, with nothing changed, when no such window exists.
    // `parentGone` is called if the foreign window is destroyed later.
    virtual bool dock(QWidget& window, std::uint32_t handle, QPoint position,
                      std::function<void()> parentGone) = 0;
};

// The docking of the running platform: X11 under the xcb platform; on any
// other platform no window can be found, so nothing docks.
std::unique_ptr<WindowDocking> makePlatformDocking();

}  // namespace tt::app
