#include "files/filedrops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

} // namespace

FileDrops::FileDrops(QWidget *target, Handler handler)
    : QObject(target), m_handler(std::move(handler))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = localFiles(drop->mimeData());
        if (files.isEmpty())
            break;
        drop->acceptProposedAction();
        // Opened after the drop has finished: a message shown while opening must not run
        // inside the drag and drop.
        QTimer::singleShot(0, this, [handler = m_handler, files] { handler(files); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
