#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "find/findcontroller.h"
#include "find/findwindows.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "help/helpwindow.h"
#include "helpers/frame/helperpanel.h"
#include "paneltesting.h"
#include "prefs/preferencesdialog.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace PanelTesting;

// Help reached the way a user reaches it: the Help menu, the Help buttons of the dialogs,
// F1 in the frame, its panels and the find windows; Esc closes it. The window is made on
// first use only.
class TestHelp : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY(drive(m_frame).documents().active());
    }
    void cleanup() { m_frame.reset(); }

    void contentsFromTheHelpMenu()
    {
        QVERIFY(!drive(m_frame).help().window());
        QVERIFY(drive(m_frame).commands().action(QLatin1String(Cmd::Contents1Click))->isEnabled());
        chooseFromMenu(*m_frame, Cmd::Contents1Click);
        HelpWindow *help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("index.html"));
        QCOMPARE(help->tabs()->currentWidget(), help->contents());
        // Asked again, the same window comes forward.
        help->close();
        chooseFromMenu(*m_frame, Cmd::Contents1Click);
        QCOMPARE(drive(m_frame).help().window(), help);
        QTRY_VERIFY(help->isVisible());
    }

    void preferencesPagesOpenTheirOwnPages_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("page");
        QTest::newRow("General") << "General"
                                 << "prefs-general.html";
        QTest::newRow("Locations") << "Locations"
                                   << "prefs-locations.html";
        QTest::newRow("Helper Apps") << "Helper Apps"
                                     << "prefs-helperapps.html";
        QTest::newRow("Keys") << "Keys"
                              << "keys.html";
    }
    void preferencesPagesOpenTheirOwnPages()
    {
        QFETCH(QString, tab);
        QFETCH(QString, page);
        chooseFromMenu(*m_frame, Cmd::Preferences1Click);
        PreferencesDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = m_frame->findChild<PreferencesDialog *>()));
        auto *tabs = dialog->findChild<QTabWidget *>();
        QWidget *pageWidget = dialog->findChild<QWidget *>(tab);
        QVERIFY(tabs && pageWidget);
        tabs->setCurrentWidget(pageWidget);
        QPushButton *button = nullptr;
        for (QPushButton *b : pageWidget->findChildren<QPushButton *>())
            if (b->objectName().startsWith(QLatin1String("help")))
                button = b;
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(drive(m_frame).help().window());
        QTRY_VERIFY(drive(m_frame).help().window()->isVisible());
        QCOMPARE(drive(m_frame).help().window()->currentPage(), page);
        dialog->close();
    }

    // F1 typed into the document opens the contents; typed into a helper panel, that panel's
    // page. Esc closes the help window again.
    void f1AnswersForWhatHasTheKeyboard()
    {
        QWidget *memo = drive(m_frame).documents().active()->memo();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_F1);
        HelpWindow *help = drive(m_frame).help().window();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("index.html"));
        help->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        chooseFromMenu(*m_frame, Cmd::ImageHelper);
        auto *panel = m_frame->findChild<HelperPanel *>(QStringLiteral("ImageHelper"));
        QVERIFY(panel);
        QTRY_VERIFY(panel->isVisible());
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        panel->insertButton()->setFocus();
        QTest::keyClick(panel->insertButton(), Qt::Key_F1);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), QStringLiteral("imagehelper.html"));
    }

    // Ctrl+F in the document opens the find dialog; F1 there opens the help on finding.
    void f1InTheFindDialog()
    {
        QWidget *memo = drive(m_frame).documents().active()->memo();
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
        FindDialog *dialog = drive(m_frame).finding().dialog();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fedit"));
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        QVERIFY(drive(m_frame).help().window());
        QCOMPARE(drive(m_frame).help().window()->currentPage(), QStringLiteral("findreplace.html"));
        dialog->close();
    }

    // The find-again bar lies in the frame: F1 with the keyboard in the bar opens the help on
    // finding, F1 in the document beside it still the contents.
    void f1InTheFindAgainBar()
    {
        QWidget *memo = drive(m_frame).documents().active()->memo();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_F3);
        FindBar *bar = drive(m_frame).finding().bar();
        QVERIFY(bar);
        auto *field = bar->findChild<QLineEdit *>(QStringLiteral("FEdit"));
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_F1);
        QVERIFY(drive(m_frame).help().window());
        QCOMPARE(drive(m_frame).help().window()->currentPage(), QStringLiteral("findreplace.html"));
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_F1);
        QCOMPARE(drive(m_frame).help().window()->currentPage(), QStringLiteral("index.html"));
        QVERIFY(drive(m_frame).finding().bar());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
