// The help viewer, the help pop-up and the application's cursor for the
// Qt layer.
#include "framework/Platform.h"
#include "framework/qt/HelpPopup.h"
#include "framework/qt/HelpViewerLink.h"
#include "framework/qt/ImageData.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>

namespace Platform {

bool ShowHelpViewer(TWindow& owner, const std::string& contents, const std::string& page)
{
    QtWindowPeer* peer = QtWindowPeer::Of(&owner);
    return peer && peer->HelpViewer().Show(contents, page);
}

void CloseHelpViewer(TWindow& owner)
{
    if (QtWindowPeer* peer = QtWindowPeer::Of(&owner))
        peer->HelpViewer().Quit();
}

bool ShowHelpPopup(TWindow& owner, const std::string& page)
{
    PlatformContext::Get();
    const QString path = QString::fromStdString(page);
    if (!QFileInfo(path).isReadable())
        return false;
    auto* popup = new HelpPopup(path, QtWindowPeer::TopLevelOf(&owner));
    popup->ShowNear(QCursor::pos());
    return true;
}

// One level of the toolkit's override cursor is this program's: set, changed
// or taken back.
void SetAppCursor(const TCursorImage* cursor)
{
    PlatformContext::Get();
    if (!cursor) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        return;
    }
    const QCursor shape(QPixmap::fromImage(ImageOf(cursor->Image)), cursor->HotSpot.x, cursor->HotSpot.y);
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(shape);
    else
        QGuiApplication::setOverrideCursor(shape);
}

}  // namespace Platform
