#pragma once

#include "commands/commandactions.h"
#include "framedriver.h"
#include "shell/mainframe.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace MenuClicks {

// The menus from the menu bar down to the command's entry, or empty.
inline QList<QMenu *> menuPath(QMenu *menu, QAction *target)
{
    if (menu->actions().contains(target))
        return {menu};
    for (QAction *a : menu->actions())
        if (QMenu *sub = a->menu()) {
            QList<QMenu *> path = menuPath(sub, target);
            if (!path.isEmpty()) {
                path.prepend(menu);
                return path;
            }
        }
    return {};
}

// Chooses the first menu entry of a command with mouse clicks, through its submenus.
inline void chooseFromMenu(MainFrame &frame, const char *command)
{
    QAction *action = drive(frame).commands().action(QLatin1String(command));
    QVERIFY2(action, command);
    for (QAction *top : frame.menuBar()->actions()) {
        if (!top->menu())
            continue;
        const QList<QMenu *> path = menuPath(top->menu(), action);
        if (path.isEmpty())
            continue;
        QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                          frame.menuBar()->actionGeometry(top).center());
        for (int i = 0; i < path.size(); ++i) {
            QMenu *menu = path[i];
            QTRY_VERIFY(menu->isVisible());
            QAction *next = i + 1 < path.size() ? path[i + 1]->menuAction() : action;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(next).center());
        }
        QTRY_VERIFY(!path.front()->isVisible());
        return;
    }
    QFAIL(qPrintable(QStringLiteral("%1 is on no menu").arg(QLatin1String(command))));
}

} // namespace MenuClicks
