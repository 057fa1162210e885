#include "files/filemenu.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "files/recentfiles.h"

#include <QMenu>

namespace FileMenu {

void watch(QMenu *file, QMenu *recent, CommandActions &commands, DocumentFiles &files)
{
    DocumentFiles *f = &files;
    CommandActions *c = &commands;
    QObject::connect(file, &QMenu::aboutToShow, f, [f, c, recent] {
        if (DocumentWindow *doc = f->active())
            c->setCommandEnabled(Cmd::Saves, doc->isModified());
        if (!recent)
            return;
        recent->clear();
        const QStringList entries = f->recentMenuEntries();
        for (int i = 0; i < entries.size(); ++i)
            recent->addAction(RecentFiles::menuCaption(i + 1, entries[i]), f,
                              [f, n = i + 1] { f->openRecent(n); });
        recent->setEnabled(!entries.isEmpty());
    });
    // Its shortcut must work while the menu is closed, whatever the menu showed last.
    QObject::connect(file, &QMenu::aboutToHide, f, [c] { c->setCommandEnabled(Cmd::Saves, true); });
}

} // namespace FileMenu
