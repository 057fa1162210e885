// The link helper on the shown main frame: protocols, target and name chosen with clicks,
// a file on disk linked through the dialog, the target kept across a close, and an A tag
// read back and its start tag replaced.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "documents/typingtip.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "helpers/frame/tagattributefields.h"
#include "helpers/link/linkhelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"
#include "scripteddialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace PanelTesting;

class TestLinkHelper : public PanelTestBase
{
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QString m_site;

    DocumentWindow *openPage(const QByteArray &text)
    {
        m_site = m_dir->filePath(QStringLiteral("site"));
        writeFile(m_site + QStringLiteral("/pages/b.htm"), "<p>b</p>");
        return focusedDocument(text, QStringLiteral("site/page.htm"));
    }

    LinkHelper *panel() const { return panelOf<LinkHelper>(PanelId::Link); }

    LinkHelper *openFromMenu() { return openPanelFromMenu<LinkHelper>(PanelId::Link); }

    // Types a target into the list's edit field in place of what it holds.
    static void typeTarget(LinkHelper *p, const QString &text)
    {
        typeInto(p->cboTarget()->lineEdit(), text);
    }

    void closePanel(LinkHelper *p)
    {
        click(p->closeButton());
        QTRY_VERIFY(!panel());
    }

private Q_SLOTS:
    void init()
    {
        startFrameForPanels();
        m_dialogs = ScriptedDialogs();
        drive(m_frame).files().setDialogs(&m_dialogs);
    }
    void cleanup()
    {
        if (m_frame)
            drive(m_frame).files().setDialogs(nullptr);
        m_frame.reset();
    }

    void httpWithTargetWrapsTheSelectionAndWaitsForTheAddress()
    {
        DocumentWindow *doc = openPage("<p>word</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 4);
        QTest::mouseClick(toolbarItem(*m_frame, Cmd::LinkHelper), Qt::LeftButton);
        QTRY_VERIFY(panel() && panel()->isVisible());
        LinkHelper *p = panel();
        QVERIFY(p->protocolButton(LinkProtocol::None)->isChecked());
        QVERIFY(!p->cboTarget()->isVisible());

        click(p->protocolButton(LinkProtocol::Http));
        click(p->targetcheck());
        QVERIFY(p->cboTarget()->isVisible());
        typeTarget(p, QStringLiteral("_blank"));
        click(p->insertButton());
        const QString start = QStringLiteral("<A href=\"http://\" target=\"_blank\">");
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p>") + start + QStringLiteral("word</A></p>"));
        QCOMPARE(doc->editor().caret(), 3 + int(QStringLiteral("<A href=\"http://").size()));
        QTRY_VERIFY(doc->tip().isVisible());
        QCOMPARE(doc->tip().text(), QStringLiteral("Type an URL here"));

        // The target comes back with the panel.
        closePanel(p);
        QCOMPARE(m_settings->read(Keys::LinkTarget), QStringLiteral("_blank"));
        p = openFromMenu();
        QVERIFY(p);
        click(p->protocolButton(LinkProtocol::Http));
        QVERIFY(p->targetcheck()->isChecked());
        QCOMPARE(p->cboTarget()->currentText(), QStringLiteral("_blank"));
    }

    void emptyTargetSurvivesACloseAsNull()
    {
        DocumentWindow *doc = openPage("");
        QVERIFY(doc);
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->targetcheck());
        QCOMPARE(p->cboTarget()->currentText(), QStringLiteral("\"\""));
        closePanel(p);
        QCOMPARE(m_settings->read(Keys::LinkTarget), QStringLiteral("null"));
        p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->targetcheck()->isChecked());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<A href=\"\" target=\"\"></A>"));
        QCOMPARE(doc->editor().caret(), 9);
    }

    void mailtoSubjectAndNameMode()
    {
        DocumentWindow *doc = openPage("");
        QVERIFY(doc);
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->protocolButton(LinkProtocol::Mailto));
        QCOMPARE(p->targetcheck()->text(), QStringLiteral("subject=\"\""));
        QVERIFY(!p->usefilepan()->isVisible());
        click(p->targetcheck());
        QVERIFY(!p->cboTarget()->isVisible());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<A href=\"mailto:?subject= \"></A>"));
        QCOMPARE(doc->editor().caret(), int(QStringLiteral("<A href=\"mailto:").size()));
        QTRY_COMPARE(doc->tip().text(), QStringLiteral("Type an ADDRESS here"));

        // Back on http the box is "target=" again, in its own state.
        click(p->protocolButton(LinkProtocol::Http));
        QCOMPARE(p->targetcheck()->text(), QStringLiteral("target="));
        QVERIFY(!p->targetcheck()->isChecked());

        doc->editor().setText(QString());
        click(p->namebut());
        QVERIFY(!p->hrefpan()->isVisible());
        QVERIFY(!p->targetcheck()->isVisible());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<A name=\"\"></A>"));
        QCOMPARE(doc->editor().caret(), 9);
        QTRY_COMPARE(doc->tip().text(), QStringLiteral("Type a NAME here"));
    }

    void fileOnDiskIsLinkedByThePathRule()
    {
        DocumentWindow *doc = openPage("<p>word</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 4);
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->usefilecheck());
        QCOMPARE(p->protocolButton(LinkProtocol::None)->text(), QStringLiteral("file only"));
        QVERIFY(p->pathlist()->isVisible());
        QVERIFY(!p->targetcheck()->isVisible());

        // Only the choices a file can take are open while it is on.
        QVERIFY(!p->protocolButton(LinkProtocol::Http)->isEnabled());
        QVERIFY(!p->protocolButton(LinkProtocol::Https)->isEnabled());
        QVERIFY(p->protocolButton(LinkProtocol::Stylesheet)->isEnabled());

        // Cancelled: nothing goes in. The dialog shows every file at first.
        click(p->insertButton());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.shown.last().filter.startsWith(QLatin1String("All files (*)")),
                 qPrintable(m_dialogs.shown.last().filter));
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>word</p>"));

        const QString b = m_site + QStringLiteral("/pages/b.htm");
        m_dialogs.openAnswers = {{b}, {b}, {m_site + QStringLiteral("/s.css")}};
        // "file only": the address alone, in front of the selection.
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>pages/b.htmword</p>"));

        doc->editor().setText(QStringLiteral("<p>word</p>"));
        doc->editor().setSelection(3, 4);
        // A file linked over "http://" is its reference alone.
        click(p->usefilecheck());
        QVERIFY(p->protocolButton(LinkProtocol::Http)->isEnabled());
        click(p->protocolButton(LinkProtocol::Http));
        click(p->usefilecheck());
        QVERIFY(!p->protocolButton(LinkProtocol::Ftp)->isEnabled());
        click(p->targetcheck());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><A href=\"pages/b.htm\" target=\"\">word</A></p>"));
        QVERIFY(!doc->tip().isVisible());
        // The dialog starts where the last file was chosen.
        QCOMPARE(m_dialogs.shown.last().folder, m_site + QStringLiteral("/pages"));

        doc->editor().setText(QString());
        click(p->protocolButton(LinkProtocol::Stylesheet));
        click(p->insertButton());
        QVERIFY(
            m_dialogs.shown.last().filter.startsWith(QLatin1String("Stylesheet Files (*.css)")));
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<LINK rel=\"stylesheet\" type=\"text/css\" href=\"s.css\">"));

        closePanel(p);
        QCOMPARE(m_settings->read(Keys::LinkUseFile), QStringLiteral("sure"));
        p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->usefilecheck()->isChecked());
        QCOMPARE(p->protocolButton(LinkProtocol::None)->text(), QStringLiteral("file only"));
    }

    // An address typed in the panel goes into the link around the selection, with no tip;
    // a title too. Read tag shows both, and "https://" is one of the protocols.
    void typedAddressAndTitle()
    {
        DocumentWindow *doc = openPage("<p>word</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 4);
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->protocolButton(LinkProtocol::Https));
        typeInto(p->addressEdit(), QStringLiteral("example.org/a?b=1&c=2"));
        typeInto(p->tagAttributes()->field("title"), QStringLiteral("Bob's page"));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><A href=\"https://example.org/a?b=1&c=2\" "
                                "title=\"Bob's page\">word</A></p>"));
        QCOMPARE(doc->editor().selectedText(), QStringLiteral("word"));
        QVERIFY(!doc->tip().isVisible());

        typeInto(p->addressEdit(), QString());
        typeInto(p->tagAttributes()->field("title"), QString());
        doc->editor().setCaret(6);
        click(p->readButton());
        QVERIFY(p->protocolButton(LinkProtocol::Https)->isChecked());
        QCOMPARE(p->addressEdit()->text(), QStringLiteral("example.org/a?b=1&c=2"));
        QCOMPARE(p->tagAttributes()->field("title")->text(), QStringLiteral("Bob's page"));
    }

    // With no document open, Insert Code asks for no file and puts nothing anywhere.
    void fileOnDiskWithoutADocumentDoesNothing()
    {
        QVERIFY(openPage("<p>word</p>"));
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->usefilecheck());
        QVERIFY(drive(m_frame).closer().CloseAll());
        QTRY_VERIFY(!drive(m_frame).documents().active());
        QVERIFY(p->isVisible());
        m_dialogs.openAnswers = {{m_site + QStringLiteral("/pages/b.htm")}};
        press(p->insertButton());
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(m_dialogs.openAnswers.size(), 1);
    }

    void readTagReplacesTheStartTag()
    {
        DocumentWindow *doc = openPage("<p><a href=\"http://example.org/x\" target=\"_top\" "
                                       "class=\"k\">word</a> <a name=\"end\">e</a></p>");
        QVERIFY(doc);
        doc->editor().setCaret(8);
        LinkHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->isEditingTag());
        QVERIFY(p->protocolButton(LinkProtocol::Http)->isChecked());
        QVERIFY(p->targetcheck()->isChecked());
        QCOMPARE(p->cboTarget()->currentText(), QStringLiteral("_top"));

        typeTarget(p, QStringLiteral("_self"));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><A href=\"http://example.org/x\" target=\"_self\" "
                                "class=\"k\">word</a> <a name=\"end\">e</a></p>"));

        // "Read tag" on the named anchor.
        const int named = int(doc->editor().text().indexOf(QLatin1String("<a name")));
        doc->editor().setCaret(named + 3);
        click(p->readButton());
        QVERIFY(p->namebut()->isChecked());
        QVERIFY(!p->hrefpan()->isVisible());
        click(p->insertButton());
        QVERIFY(doc->editor().text().endsWith(QLatin1String("<A name=\"end\">e</a></p>")));
    }
};

QTEST_MAIN(TestLinkHelper)
#include "tst_linkhelper.moc"
