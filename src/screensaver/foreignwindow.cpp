#include "foreignwindow.h"

#include <QGuiApplication>
#include <QScreen>

#if VIREON_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

QSize foreignWindowSize(WId window)
{
#if VIREON_HAVE_XCB
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        xcb_get_geometry_reply_t *reply
            = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_drawable_t(window)), nullptr);
        if (reply) {
            const QSize size(reply->width, reply->height);
            free(reply);
            if (!size.isEmpty())
                return size;
        }
    }
#else
    Q_UNUSED(window)
#endif
    return QGuiApplication::primaryScreen()->geometry().size();
}
