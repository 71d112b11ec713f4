#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <malloc.h>

namespace nupel {

// How the game runs for hours on the desktop, waking ten times a second. Call
// before the application object exists.
inline void settleForLongRunning()
{
    // Qt's own event loop wakes more cheaply than GLib's, and writing each
    // step's few pixels down the X connection costs less than the shared
    // memory image, which makes every repaint wait for the X server first.
    qputenv("QT_NO_GLIB", "1");
    qputenv("QT_XCB_NO_MITSHM", "1");
    // Pictures and window buffers of more than 128 KB get memory of their own,
    // handed back the moment they go. By default the C library raises that
    // limit after the first such buffer is freed (the opening screen's), and
    // later ones then stay in the heap, which does not shrink.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

} // namespace nupel
