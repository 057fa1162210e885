#include "checking/pagecheckrun.h"

#include "base/filebytes.h"
#include "checking/pagechecker.h"
#include "editor/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace PageCheckRun {

namespace {

// The page's text as the editor reads it: UTF-8 when the bytes are valid UTF-8, else
// Windows-1252. False with the reason when it is no page.
bool readPage(const QString &path, QString *text, QString *reason)
{
    QByteArray bytes;
    if (!FileBytes::read(path, &bytes, reason))
        return false;
    if (bytes.contains('\0')) {
        *reason = QStringLiteral("it holds NUL bytes, so it is not a text file");
        return false;
    }
    *text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    return true;
}

} // namespace

int run(const QStringList &pages, const QString &workingDir, QTextStream &out, QTextStream &err)
{
    if (pages.isEmpty()) {
        err << "quillmark: --check needs the pages to check\n";
        err.flush();
        return 2;
    }
    QStringList names = pages;
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());

    bool unreadable = false;
    bool errors = false;
    for (const QString &name : names) {
        const QString path = QDir(workingDir).absoluteFilePath(name);
        QString text, reason;
        if (!readPage(path, &text, &reason)) {
            err << "quillmark: " << name << ": " << reason << '\n';
            unreadable = true;
            continue;
        }
        CheckOptions options;
        options.base.folder = QFileInfo(path).absolutePath();
        for (const PageProblem &p : checkPage(text, options)) {
            const bool error = p.kind == PageProblem::Kind::Error;
            errors = errors || error;
            out << name << ':' << p.line << ':' << p.column << ": " << (error ? "error" : "warning")
                << ": " << p.message << '\n';
        }
        out.flush();
    }
    err.flush();
    return unreadable ? 2 : errors ? 1 : 0;
}

} // namespace PageCheckRun
