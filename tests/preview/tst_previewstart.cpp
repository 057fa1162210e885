// The web engine stays out of the program until the internal preview is first asked for:
// the main frame starts without it, and F9 typed into the editor brings it in and shows the
// page. This test links no part of the engine itself.
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "frametestbase.h"
#include "preview/internalpreview.h"
#include "preview/previewcontroller.h"
#include "preview/previewmodule.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

namespace {
bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}
} // namespace

class TestPreviewStart : public FrameTestBase
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetHome(); }

    void theEngineLoadsOnlyWhenFirstAskedFor()
    {
        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<p>Hello from the page</p>\n");
        }
        auto frame = startFrame();
        DocumentWindow *doc = frame->files().openFile(page);
        QVERIFY(doc);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QVERIFY(!engineLoaded());
        QVERIFY(!PreviewModule::isLoaded());

        const bool sandboxSetBefore = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_F9);
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join(u'\n')));
        InternalPreview *preview = frame->previews().internal();
        QVERIFY(preview);
        QVERIFY(engineLoaded());
        // The engine's sandbox is given up only by the superuser, for whom it cannot run.
        if (!sandboxSetBefore)
            QCOMPARE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), ::geteuid() == 0);
        QSignalSpy shown(preview->widget(), SIGNAL(pageShown(QString)));
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 30000);
        QCOMPARE(preview->currentFile(), m_dir->filePath(QStringLiteral("_temp1.htm")));
        QCOMPARE(preview->widget()->windowTitle(), QStringLiteral("Quillmark Internal Preview"));

        doc->setModified(false);
        frame->close();
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("_temp1.htm"))));
    }
};

QTEST_MAIN(TestPreviewStart)
#include "tst_previewstart.moc"
