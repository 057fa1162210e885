#pragma once

#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "paneltesting.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSpinBox>

#include <memory>

// The set-up every helper panel test shares: a shown main frame in a fresh home folder, a
// page open in it, the panel opened the way a user opens it, and clicks and typing into the
// panel's fields. A test's init() calls startFrameForPanels(), its cleanup() stopFrame().
class PanelTestBase : public FrameTestBase
{
protected:
    std::unique_ptr<MainFrame> m_frame;

    void startFrameForPanels()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void stopFrame() { m_frame.reset(); }

    // The page `name` in the temporary folder, holding `text`, open and focused with the
    // caret at its start.
    DocumentWindow *focusedDocument(const QByteArray &text,
                                    const QString &name = QStringLiteral("page.htm"))
    {
        const QString page = m_dir->filePath(name);
        TestFiles::writeFile(page, text);
        DocumentWindow *doc = drive(m_frame).files().openFile(page);
        if (!doc)
            return nullptr;
        m_frame->activateWindow();
        doc->memo()->setFocus();
        return doc;
    }

    template <class Panel> Panel *panelOf(PanelId id) const
    {
        return qobject_cast<Panel *>(drive(m_frame).panels().panel(id));
    }

    // Opens the panel through its menu entry and waits until it is shown.
    template <class Panel> Panel *openPanelFromMenu(PanelId id)
    {
        PanelTesting::chooseFromMenu(*m_frame, PanelRows::byId(id).command);
        Panel *p = panelOf<Panel>(id);
        if (p && !QTest::qWaitForWindowExposed(p))
            return nullptr;
        return p;
    }

    // Opens the panel through its toolbar item and waits until it is shown.
    template <class Panel> Panel *openPanelFromToolbar(PanelId id)
    {
        SpeedButton *item = PanelTesting::toolbarItem(*m_frame, PanelRows::byId(id).command);
        if (!item)
            return nullptr;
        QTest::mouseClick(item, Qt::LeftButton);
        Panel *p = panelOf<Panel>(id);
        if (p && !QTest::qWaitForWindowExposed(p))
            return nullptr;
        return p;
    }

    // On the box or the start of the caption: a check box stretched by its layout reacts
    // to clicks on its caption only.
    static void click(QAbstractButton *b)
    {
        QVERIFY(b);
        QVERIFY(b->isVisible());
        QTest::mouseClick(b, Qt::LeftButton, {},
                          QPoint(std::min(8, b->width() / 2), b->height() / 2));
    }

    // A push button clicked at its centre, where a user aims.
    static void press(QAbstractButton *b)
    {
        QVERIFY(b);
        QVERIFY(b->isVisible());
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    // Replaces what a line field holds by typing.
    static void typeInto(QLineEdit *edit, const QString &text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Sets a number field by typing into it.
    static void typeNumber(QSpinBox *spin, int value)
    {
        QTest::mouseClick(spin, Qt::LeftButton);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(value));
        QCOMPARE(spin->value(), value);
    }
};
