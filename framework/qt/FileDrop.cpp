#include "framework/qt/FileDrop.h"

#include "framework/Platform.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace FileDrop {

bool CarriesFiles(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

void Deliver(const InputTarget& target, const QDropEvent& event)
{
    TWindow* window = target.TargetWindow();
    if (!window || !CarriesFiles(event.mimeData()))
        return;
    TDropInfo drop;
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile())
            drop.Files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    const QPoint p = event.position().toPoint();
    drop.Point = TPoint{p.x(), p.y()};
    DispatchMsg(TMsg{window, WM_DROPFILES, reinterpret_cast<uintptr_t>(&drop), 0});
}

}  // namespace FileDrop
