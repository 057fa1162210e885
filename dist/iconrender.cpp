// Build tool: renders the scalable program icon into a square PNG of one size, through Qt's
// SVG image plugin, so that the hicolor theme gets its fixed sizes without another program.
//   quillmark_iconrender icon.svg 48 out.png
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fputs("usage: quillmark_iconrender icon.svg size out.png\n", stderr);
        return 2;
    }
    QImageReader reader(args[1]);
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(reader.errorString()));
        return 1;
    }
    QDir().mkpath(QFileInfo(args[3]).absolutePath());
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
