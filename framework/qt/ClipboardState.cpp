#include "framework/qt/ClipboardState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

ClipboardState::ClipboardState()
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { Known.reset(); });
}

bool ClipboardState::HasText()
{
    if (!Known) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        Known = data && data->hasText();
    }
    return *Known;
}
