#include "widgets/fieldcontextmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

namespace FieldContextMenu {

QMenu *build(QLineEdit *field)
{
    auto *menu = new QMenu(field);
    const bool selection = field->hasSelectedText();
    const bool editable = !field->isReadOnly();
    QAction *cut = menu->addAction(QStringLiteral("Cut "), field, &QLineEdit::cut);
    QAction *copy = menu->addAction(QStringLiteral("Copy "), field, &QLineEdit::copy);
    QAction *paste = menu->addAction(QStringLiteral("Paste "), field, &QLineEdit::paste);
    cut->setEnabled(selection && editable);
    copy->setEnabled(selection);
    paste->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    return menu;
}

void attach(QLineEdit *field)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field](QPoint at) {
        QMenu *menu = build(field);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(field->mapToGlobal(at));
    });
}

} // namespace FieldContextMenu
