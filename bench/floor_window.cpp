// The least any editor on this toolkit can take: a bare main window holding one editor widget,
// with the page given on the command line put into it. The whole-program figures compare the
// program with it in the same run.
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor - editor"));
    auto *editor = new QsciScintilla(&window);
    editor->setUtf8(true);
    window.setCentralWidget(editor);
    window.resize(900, 640);
    window.show();
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            editor->SendScintilla(QsciScintilla::SCI_APPENDTEXT, uintptr_t(bytes.size()),
                                  bytes.constData());
        }
    }
    return app.exec();
}
