#include "app/filemenu.h"

#include "app/documentfiles.h"
#include "app/recentfiles.h"
#include "editor/tmdisub.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace FileMenu {

void build(QMainWindow *frame, QMenu *file, DocumentFiles &files)
{
    DocumentFiles *f = &files;
    file->addAction(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), f,
                    [f] { f->newFromTemplate(); });
    // Hidden entries: they live on the frame so that their shortcuts work.
    auto *plainNew = new QAction(QStringLiteral("New"), frame);
    plainNew->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));
    QObject::connect(plainNew, &QAction::triggered, f, [f] { f->news(); });
    auto *newClean = new QAction(QStringLiteral("NewClean"), frame);
    QObject::connect(newClean, &QAction::triggered, f, [f] { f->newclean(); });
    frame->addActions({plainNew, newClean});

    file->addAction(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), f,
                    [f] { f->Open(); });
    QMenu *recent = file->addMenu(QStringLiteral("&Recent Files"));
    file->addAction(QStringLiteral("&Insert..."), f, [f] { f->InsertFile(); });
    QAction *save = file->addAction(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), f,
                                    [f] { f->Saves(); });
    file->addAction(QStringLiteral("Save &As..."), QKeySequence(Qt::ALT | Qt::Key_S), f,
                    [f] { f->SavesAs(); });
    file->addAction(QStringLiteral("&Close"), f, [f] { f->Close(); });
    file->addAction(QStringLiteral("C&lose All"), f, [f] { f->CloseAll(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Print..."), f, [f] { f->Prints(); });
    file->addAction(QStringLiteral("P&rint Setup..."), f, [f] { f->PrintSetup(); });
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4), frame,
                    &QWidget::close);

    QObject::connect(file, &QMenu::aboutToShow, f, [f, save, recent] {
        if (TMDIsub *doc = f->active())
            save->setEnabled(doc->isModified());
        recent->clear();
        const QStringList entries = f->recentMenuEntries();
        for (int i = 0; i < entries.size(); ++i)
            recent->addAction(RecentFiles::menuCaption(i + 1, entries[i]), f,
                              [f, n = i + 1] { f->openRecent(n); });
        recent->setEnabled(!entries.isEmpty());
    });
    // Its shortcut must work while the menu is closed, whatever the menu showed last.
    QObject::connect(file, &QMenu::aboutToHide, save, [save] { save->setEnabled(true); });
}

} // namespace FileMenu
