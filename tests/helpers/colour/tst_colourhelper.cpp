// The colour helper on the shown main frame: colours chosen with clicks in the basic grid and
// the palettes shown in the panel, the radios, "Use names" kept in the settings, and a colour
// attribute read back and replaced on its own.
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "colours/namedcolours.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "helpers/colour/colourhelper.h"
#include "helpers/frame/codesample.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace PanelTesting;

class TestColourHelper : public PanelTestBase
{
    Q_OBJECT

    ColourHelper *panel() const { return panelOf<ColourHelper>(PanelId::Colour); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void insertsTheSampleAtTheCaret()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        ColourHelper *p = openPanelFromMenu<ColourHelper>(PanelId::Colour);
        QVERIFY(p);
        // Before any change the white of the colour button goes in, and the selection is not
        // selected again afterwards.
        QCOMPARE(p->sample()->text(), QStringLiteral("#FFFFFF"));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>#FFFFFFx</p>"));
        QCOMPARE(doc->editor().selectedText(), QString());

        // Navy is the fifth basic colour.
        QTest::mouseClick(p->basicGrid(), Qt::LeftButton, {}, p->basicGrid()->cellRect(4).center());
        click(p->targetButton(ColourTarget::Background));
        QCOMPARE(p->sample()->text(), QStringLiteral("bgcolor=\"#000080\""));
        click(p->useNames());
        QCOMPARE(p->sample()->text(), QStringLiteral("bgcolor=\"Navy\""));

        // A cell of the safe palette, shown inside the panel.
        press(p->safePaletteButton());
        PaletteGrid *safe = p->grid(false);
        QTRY_VERIFY(safe->isVisible());
        QVERIFY(p->geometry().contains(safe->mapToGlobal(QPoint(0, 0))));
        QTest::mouseClick(safe, Qt::LeftButton, {}, safe->cellRect(0, 1).center());
        QTRY_VERIFY(!safe->isVisible());
        QCOMPARE(p->colour(), WebSafe::colourAt(0, 1));
        click(p->targetButton(ColourTarget::CodeOnly));
        QCOMPARE(p->sample()->text(), QStringLiteral("#000033"));

        // A named colour: the third of the second row.
        press(p->namedColoursButton());
        PaletteGrid *names = p->grid(true);
        QTRY_VERIFY(names->isVisible());
        QTest::mouseClick(names, Qt::LeftButton, {}, names->cellRect(1, 2).center());
        QTRY_VERIFY(!names->isVisible());
        click(p->targetButton(ColourTarget::ActiveLink));
        QCOMPARE(p->sample()->text(), QStringLiteral("alink=\"Red\""));

        doc->editor().setCaret(0);
        press(p->insertButton());
        QVERIFY(doc->editor().text().startsWith(QLatin1String("alink=\"Red\"<p>")));

        press(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::ClNames), true);
    }

    void readsAColourAttributeAndReplacesItAlone()
    {
        DocumentWindow *doc = focusedDocument("<BODY TEXT='#000080' onload=\"go()\">\n");
        QVERIFY(doc);
        doc->editor().setCaret(8);
        ColourHelper *p = openPanelFromMenu<ColourHelper>(PanelId::Colour);
        QVERIFY(p);
        press(p->readButton());
        QVERIFY(p->targetButton(ColourTarget::Text)->isChecked());
        QCOMPARE(p->colour(), 0x000080u);
        QVERIFY(!p->useNames()->isChecked());
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing TEXT= on line 1"));

        click(p->targetButton(ColourTarget::Link));
        QTest::mouseClick(p->basicGrid(), Qt::LeftButton, {}, p->basicGrid()->cellRect(9).center());
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<BODY link=\"#FF0000\" onload=\"go()\">\n"));
        // Pressed again, the same piece is replaced, not a second one added.
        click(p->targetButton(ColourTarget::CodeOnly));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<BODY link=\"#FF0000\" onload=\"go()\">\n"));

        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(), QStringLiteral("<BODY TEXT='#000080' onload=\"go()\">\n"));
    }
};

QTEST_MAIN(TestColourHelper)
#include "tst_colourhelper.moc"
