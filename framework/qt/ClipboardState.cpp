#include "framework/qt/ClipboardState.h"
#include "framework/qt/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>

ClipboardState::ClipboardState()
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { Known.reset(); });
}

bool ClipboardState::HasText()
{
    if (!Known) {
        Known = ClipboardText::IsText(QGuiApplication::clipboard()->mimeData());
    }
    return *Known;
}
