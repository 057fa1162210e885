// Keeps the source tree layered: a folder includes its own headers and those of the folders
// below it, never one above it or beside it. The order below is the architecture; a new
// folder must be given its place here before its files can include anything.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// From the top layer down; folders on one line stand side by side. "helpers/*" is every
// helper panel folder except the shared frame.
const QStringList Layers[] = {
    {"shell"},
    {"helpers/*"},
    {"helpers/frame"},
    {"customtags", "helperprograms", "downloadtime", "preview", "spelling", "checking", "projects"},
    {"find"},
    {"prefs"},
    {"view", "statusbar"},
    {"toolbar"},
    {"session"},
    {"files"},
    {"documents"},
    {"commands"},
    {"markup"},
    {"tagcolouring"},
    {"editor"},
    {"colours"},
    {"help"},
    {"widgets"},
    {"base"},
};

// The folder a path under src/ belongs to: its first component, or the first two for a
// helper panel. Empty for files at the top (the executable's main.cpp).
QString folderOf(const QString &relativePath)
{
    const QStringList parts = relativePath.split(u'/');
    if (parts.size() < 2)
        return {};
    if (parts[0] == QLatin1String("helpers") && parts.size() >= 3)
        return parts[0] + u'/' + parts[1];
    return parts[0];
}

// The layer of a folder, counted from the top; -1 for a folder that has no place yet.
int layerOf(const QString &folder)
{
    for (int i = 0; i < int(std::size(Layers)); ++i) {
        for (const QString &entry : Layers[i]) {
            if (entry == folder)
                return i;
            if (entry == QLatin1String("helpers/*") &&
                folder.startsWith(QLatin1String("helpers/")) &&
                folder != QLatin1String("helpers/frame"))
                return i;
        }
    }
    return -1;
}

struct Include
{
    QString file;
    int line;
    QString target;
};

QList<Include> quotedIncludes(const QString &root)
{
    static const QRegularExpression quoted(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"));
    QList<Include> result;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString relative = QDir(root).relativeFilePath(path);
        int number = 0;
        while (!file.atEnd()) {
            ++number;
            const QString line = QString::fromUtf8(file.readLine());
            const auto match = quoted.match(line);
            if (match.hasMatch())
                result.append({relative, number, match.captured(1)});
        }
    }
    return result;
}

} // namespace

// A problem found, as "file:line: text", so that a failure names every place at once.
QStringList layeringProblems(const QString &root)
{
    QStringList problems;
    for (const Include &inc : quotedIncludes(root)) {
        const QString from = folderOf(inc.file);
        if (from.isEmpty())
            continue;
        const QString to = folderOf(inc.target);
        const QString where = QStringLiteral("%1:%2: ").arg(inc.file).arg(inc.line);
        if (to.isEmpty() || !QFileInfo::exists(root + u'/' + inc.target)) {
            problems << where + QStringLiteral("\"%1\" is not a path under src/").arg(inc.target);
            continue;
        }
        if (to == from)
            continue;
        const int fromLayer = layerOf(from), toLayer = layerOf(to);
        if (fromLayer < 0 || toLayer < 0)
            problems << where +
                            QStringLiteral("folder %1 has no layer").arg(fromLayer < 0 ? from : to);
        else if (toLayer == fromLayer)
            problems << where + QStringLiteral("%1 includes %2 beside it").arg(from, to);
        else if (toLayer < fromLayer)
            problems << where + QStringLiteral("%1 includes %2 above it").arg(from, to);
    }
    return problems;
}

class TestIncludes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sourceTreeIncludesPointDownOnly()
    {
        const QStringList problems = layeringProblems(QStringLiteral(QM_SOURCE_DIR "/src"));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The check itself: a tree with one include up, one beside and one into an unknown
    // folder reports exactly those.
    void reportsUpwardSidewaysAndUnknownIncludes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto write = [&](const QString &name, const QByteArray &text) {
            QDir(dir.path()).mkpath(QFileInfo(name).path());
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write(QStringLiteral("base/a.h"), "#pragma once\n");
        write(QStringLiteral("files/f.h"), "#include \"base/a.h\"\n");
        write(QStringLiteral("shell/s.cpp"), "#include \"files/f.h\"\n");
        write(QStringLiteral("preview/p.h"), "");
        write(QStringLiteral("helpers/image/i.cpp"),
              "#include \"helpers/frame/h.h\"\n#include \"helpers/link/l.h\"\n");
        write(QStringLiteral("helpers/frame/h.h"), "");
        write(QStringLiteral("helpers/link/l.h"), "");
        write(QStringLiteral("base/up.cpp"), "#include \"files/f.h\"\n");
        write(QStringLiteral("customtags/x.cpp"), "#include \"preview/p.h\"\n");
        write(QStringLiteral("statusbar/b.cpp"), "#include \"shell/s.h\"\n#include \"view/v.h\"\n");
        write(QStringLiteral("shell/s.h"), "");
        write(QStringLiteral("view/v.h"), "");
        write(QStringLiteral("odd/y.cpp"), "#include \"base/a.h\"\n");
        write(QStringLiteral("base/z.cpp"), "#include \"missing.h\"\n");

        QStringList problems = layeringProblems(dir.path());
        problems.sort();
        QCOMPARE(problems,
                 QStringList({
                     "base/up.cpp:1: base includes files above it",
                     "base/z.cpp:1: \"missing.h\" is not a path under src/",
                     "customtags/x.cpp:1: customtags includes preview beside it",
                     "helpers/image/i.cpp:2: helpers/image includes helpers/link beside it",
                     "odd/y.cpp:1: folder odd has no layer",
                     "statusbar/b.cpp:1: statusbar includes shell above it",
                     "statusbar/b.cpp:2: statusbar includes view beside it",
                 }));
    }
};

QTEST_GUILESS_MAIN(TestIncludes)
#include "tst_includes.moc"
