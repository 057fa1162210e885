// The font helper on the shown main frame: a face list grown from the font list, a colour
// from the basic grid, a size, the selection wrapped by Insert Code or a double click on the
// sample, the face list kept between sessions, and a FONT tag read back and replaced.
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "helpers/font/fonthelper.h"
#include "helpers/frame/codesample.h"
#include "helpers/frame/tagattributefields.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace PanelTesting;

class TestFontHelper : public PanelTestBase
{
    Q_OBJECT

    FontHelper *panel() const { return panelOf<FontHelper>(PanelId::Font); }

    // Opens the font list with a click and picks a row with the keys.
    static void chooseFromList(QComboBox *list, int row)
    {
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView *view = list->view();
        QTRY_VERIFY(view->isVisible());
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void wrapsTheSelectionInAFontTag()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        FontHelper *p = openPanelFromMenu<FontHelper>(PanelId::Font);
        QVERIFY(p);
        QCOMPARE(p->sample()->text(), QStringLiteral("<FONT> </FONT>"));
        QVERIFY(!p->facesEdit()->isVisible());
        QCOMPARE(p->fontList()->itemText(0), QStringLiteral("None/Clear"));
        for (int i = 1; i < p->fontList()->count(); ++i)
            QVERIFY(!p->fontList()->itemText(i).contains(u'['));

        click(p->faceCheck());
        QVERIFY(p->facesEdit()->isVisible());
        QCOMPARE(p->sample()->text(), QStringLiteral("<FONT face=\"\">"));
        typeInto(p->facesEdit(), QStringLiteral("Arial"));
        QString faces = QStringLiteral("Arial");
        if (p->fontList()->count() > 1) {
            chooseFromList(p->fontList(), 1);
            faces += u';' + p->fontList()->itemText(1);
            QCOMPARE(p->facesEdit()->text(), faces);
            chooseFromList(p->fontList(), 0);
            QCOMPARE(p->facesEdit()->text(), QString());
            typeInto(p->facesEdit(), QStringLiteral("Arial"));
            faces = QStringLiteral("Arial");
        }
        typeInto(p->facesEdit(), QStringLiteral("Arial;Verdana"));

        // Red is the tenth basic colour; choosing it turns "use Color" on.
        QTest::mouseClick(p->basicGrid(), Qt::LeftButton, {}, p->basicGrid()->cellRect(9).center());
        QVERIFY(p->useColour()->isChecked());
        if (!p->useNames()->isChecked())
            click(p->useNames());
        click(p->sizeButton(4));
        QCOMPARE(p->sample()->text(),
                 QStringLiteral("<FONT face=\"Arial;Verdana\" color=\"Red\" size=4>"));
        press(p->insertButton());
        QCOMPARE(
            doc->editor().text(),
            QStringLiteral("<p><FONT face=\"Arial;Verdana\" color=\"Red\" size=4>x</FONT></p>"));

        // Off again, the face list is still kept at the close, and "Face" is on next time.
        click(p->faceCheck());
        click(p->sizeButton(0));
        click(p->useColour());
        doc->editor().setSelection(0, 3);
        QTest::mouseDClick(p->sample(), Qt::LeftButton);
        QVERIFY2(doc->editor().text().startsWith(QLatin1String("<FONT><p></FONT>")),
                 qPrintable(doc->editor().text()));
        press(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::Faced), QStringLiteral("Arial;Verdana"));
        p = openPanelFromMenu<FontHelper>(PanelId::Font);
        QVERIFY(p);
        QVERIFY(p->faceCheck()->isChecked());
        QCOMPARE(p->facesEdit()->text(), QStringLiteral("Arial;Verdana"));
    }

    void readsAFontTagAndReplacesIt()
    {
        DocumentWindow *doc =
            focusedDocument("<font size=2 class=\"k\" onclick=\"f()\">hi</font>\n<b>x</b>\n");
        QVERIFY(doc);
        doc->editor().setCaret(3);
        FontHelper *p = openPanelFromMenu<FontHelper>(PanelId::Font);
        QVERIFY(p);
        press(p->readButton());
        QVERIFY(p->sizeButton(2)->isChecked());
        QVERIFY(!p->faceCheck()->isChecked());
        QCOMPARE(p->tagAttributes()->field("class")->text(), QStringLiteral("k"));
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing the FONT tag on line 1"));
        click(p->sizeButton(5));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<FONT size=5 class=\"k\" onclick=\"f()\">hi</font>\n<b>x</b>\n"));
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<font size=2 class=\"k\" onclick=\"f()\">hi</font>\n<b>x</b>\n"));
    }
};

QTEST_MAIN(TestFontHelper)
#include "tst_fonthelper.moc"
