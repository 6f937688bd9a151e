#include "platform/ui/Pointer.h"

#include <QGuiApplication>

#if FENDREL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace pointer {

bool primaryButtonDown()
{
#if FENDREL_HAVE_XCB
    // On X the server is asked: the release may still be on its way to us.
    if (auto *x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        xcb_connection_t *connection = x11->connection();
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (screen) {
            xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(
                connection, xcb_query_pointer(connection, screen->root), nullptr);
            if (reply) {
                const bool down = (reply->mask & XCB_BUTTON_MASK_1) != 0;
                std::free(reply);
                return down;
            }
        }
    }
#endif
    // Elsewhere, the state Qt keeps from every button event the system sent,
    // those thrown away by a wait included.
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

} // namespace pointer
