#include "framework/qt/FileDrop.h"

#include "framework/Platform.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace FileDrop {
namespace {

void Deliver(const InputTarget& target, const QDropEvent& event)
{
    TWindow* window = target.TargetWindow();
    if (!window)
        return;
    TDropInfo drop;
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile())
            drop.Files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    const QPoint p = event.position().toPoint();
    drop.Point = TPoint{p.x(), p.y()};
    DispatchMsg(TMsg{window, WM_DROPFILES, reinterpret_cast<uintptr_t>(&drop), 0});
}

class DropFilter : public QObject {
public:
    DropFilter(QWidget& widget, const InputTarget& target) : QObject(&widget), Target(target)
    {
        widget.setAcceptDrops(true);
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        if (!CarriesFiles(drop->mimeData()))
            return false;
        drop->acceptProposedAction();
        if (type == QEvent::Drop)
            Deliver(Target, *drop);
        return true;
    }

private:
    const InputTarget& Target;
};

}  // namespace

bool CarriesFiles(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

void AcceptFiles(QWidget& widget, const InputTarget& target) { new DropFilter(widget, target); }

}  // namespace FileDrop
