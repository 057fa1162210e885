// The web engine stays out of the program until the internal preview is first asked for:
// the main frame starts without it, and F9 typed into the editor brings it in and shows the
// page. This test links no part of the engine itself.
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
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

    // An installed program looks for its module only relative to itself, never in the build
    // machine's folders, and says in words when it is missing.
    void anInstalledProgramLooksForItsModuleBesideItselfOnly()
    {
        const QStringList installed = PreviewModule::searchPaths(QStringLiteral("/opt/q/bin"));
        QVERIFY(!installed.isEmpty());
        for (const QString &path : installed)
            QVERIFY2(path.startsWith(QStringLiteral("/opt/q/")), qPrintable(path));
        QVERIFY(std::any_of(installed.cbegin(), installed.cend(), [](const QString &path) {
            return path.startsWith(QStringLiteral("/opt/q/lib"));
        }));
        // The tests run in the build tree, which is searched then.
        QVERIFY(PreviewModule::searchPaths(QCoreApplication::applicationDirPath()).size() >
                installed.size());
        const QString reason = PreviewModule::missingReason(installed);
        QVERIFY2(reason.contains(QStringLiteral("not installed")), qPrintable(reason));
        QVERIFY(reason.contains(QStringLiteral("/libquillmark_webpreview.so")));
    }

    void theEngineLoadsOnlyWhenFirstAskedFor()
    {
        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<p>Hello from the page</p>\n");
        }
        auto frame = startFrame();
        DocumentWindow *doc = drive(frame).files().openFile(page);
        QVERIFY(doc);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QVERIFY(!engineLoaded());
        QVERIFY(!PreviewModule::isLoaded());

        const bool sandboxSetBefore = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_F9);
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join(u'\n')));
        InternalPreview *preview = drive(frame).previews().internal();
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
