#include "shell/windowmenu.h"

#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentclosing.h"
#include "files/documentfiles.h"
#include "files/documentsaving.h"
#include "shell/windowarranger.h"

#include <QActionGroup>
#include <QMenu>

#include <functional>

namespace WindowMenu {

void listDocuments(QMenu *window, WindowArranger &arranger, DocumentRegistry &documents)
{
    WindowArranger *a = &arranger;
    // The open documents, listed afresh each time the menu opens.
    QAction *separator = window->addSeparator();
    auto *list = new QActionGroup(window);
    DocumentRegistry *f = &documents;
    QObject::connect(window, &QMenu::aboutToShow, window, [window, separator, list, a, f] {
        qDeleteAll(list->actions());
        const QList<DocumentWindow *> docs = f->documents();
        separator->setVisible(!docs.isEmpty());
        for (int i = 0; i < docs.size(); ++i) {
            DocumentWindow *doc = docs[i];
            // A "&" of the file name is shown, not taken for an accelerator.
            const QString title = doc->windowTitle().replace(u'&', QStringLiteral("&&"));
            QAction *item = list->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
            item->setCheckable(true);
            item->setChecked(doc == f->active());
            window->addAction(item);
            QObject::connect(item, &QAction::triggered, a, [a, doc] { a->activate(doc); });
        }
    });
}

QMenu *buildStripMenu(QWidget *parent, WindowArranger &arranger, const StripCommands &commands)
{
    WindowArranger *a = &arranger;
    DocumentFiles *f = &commands.files;
    DocumentSaving *s = &commands.saving;
    DocumentClosing *k = &commands.closing;
    DocumentRegistry *d = &commands.documents;
    struct Row
    {
        const char *caption; // null: a separator
        std::function<void()> run;
    };
    const Row rows[] = {
        {"New", [f] { f->newHtmlDocument(); }},
        {"Open", [f] { f->Open(); }},
        {"Save", [s] { s->Saves(); }},
        {"Save As", [s] { s->SavesAs(); }},
        {"Close", [k] { k->Close(); }},
        {"Close Others",
         [d, k] {
             if (DocumentWindow *keep = d->active())
                 k->closeOthers(keep);
         }},
        {nullptr, {}},
        {"Tile", [a] { a->Tiled(); }},
        {"Cascade", [a] { a->Cascaded(); }},
    };
    auto *menu = new QMenu(parent);
    for (const Row &row : rows) {
        if (!row.caption)
            menu->addSeparator();
        else
            menu->addAction(QString::fromLatin1(row.caption), menu, row.run);
    }
    return menu;
}

} // namespace WindowMenu
