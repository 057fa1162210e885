#pragma once

#include "framedriver.h"
#include "helpers/frame/captionbar.h"
#include "helpers/frame/filebrowser.h"
#include "helpers/frame/helperpanel.h"
#include "helpers/frame/panelmanager.h"
#include "menuclicks.h"
#include "shell/mainframe.h"
#include "testfiles.h"
#include "toolbar/speedbar.h"
#include "toolbar/speeditems.h"

#include <QFileSystemModel>
#include <QImage>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

// What the helper panel tests share: reaching a command through its menu entry or toolbar
// item with the mouse, clicking in a panel's file list, and pictures to choose.
namespace PanelTesting {

using MenuClicks::chooseFromMenu;
using TestFiles::writeFile;

// A toolbar item of the command on the bar, put there when the layout lacks one.
inline SpeedButton *toolbarItem(MainFrame &frame, const char *command)
{
    SpeedBar &bar = drive(frame).speedBar();
    for (const QString &item : bar.shownItems())
        if (SpeedButton *b = bar.button(item); b && qstrcmp(b->row().command, command) == 0)
            return b;
    for (const SpeedItemRow &row : speedItems())
        if (qstrcmp(row.command, command) == 0) {
            const QString name = speedItemName(row.number);
            bar.placeItem(name, QPoint(bar.width() - 30, 5));
            return bar.button(name);
        }
    return nullptr;
}

inline const PanelRow &row(PanelId id)
{
    return PanelRows::byId(id);
}

// Clicks a file in a panel's file list once the list shows it.
inline void clickFile(FileBrowser &browser, const QString &name)
{
    QFileSystemModel *model = browser.fileModel();
    QListView *list = browser.files();
    const QString path = QDir(browser.folder()).filePath(name);
    QTRY_VERIFY(model->index(path).isValid() && model->rowCount(list->rootIndex()) > 0 &&
                !list->visualRect(model->index(path)).isEmpty());
    const QModelIndex index = model->index(path);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QTRY_COMPARE(browser.selectedFile(), path);
}

// An animated GIF of two 8 by 6 frames; Qt reads GIF but does not write it.
inline QByteArray animatedGif()
{
    static const unsigned char bytes[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x08, 0x00, 0x06, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x14, 0x00, 0x00, 0x00, 0x21, 0xff, 0x0b,
        0x4e, 0x45, 0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03, 0x01, 0x00, 0x00,
        0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x06, 0x00, 0x00, 0x02, 0x06, 0x84, 0x8f,
        0xa9, 0xcb, 0x7d, 0x05, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x14, 0x00, 0x00, 0x00, 0x2c, 0x00,
        0x00, 0x00, 0x00, 0x08, 0x00, 0x06, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x02,
        0x06, 0x84, 0x8f, 0xa9, 0xcb, 0x7d, 0x05, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// A picture of the given size in the format its name says (PNG, JPG).
inline void writePicture(const QString &path, QSize size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QVERIFY(image.save(path));
}

} // namespace PanelTesting
