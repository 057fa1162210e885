#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

// Takes local files dropped on the watched widget and hands their names on; other drops
// (text dragged inside an editor) go their usual way.
class FileDrops : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QStringList &files)>;
    FileDrops(QWidget *target, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
