#include "documents/document.h"

#include "editor/linebreaks.h"

#include <QFileInfo>

Document::Document(QObject *parent) : QObject(parent) {}

QString Document::untitledName(int number)
{
    return QStringLiteral("Untitled%1").arg(number);
}

QString Document::identity() const
{
    return isUntitled() ? untitledName(m_untitledNumber) : m_path;
}

QString Document::shortName() const
{
    return isUntitled() ? untitledName(m_untitledNumber) : QFileInfo(m_path).fileName();
}

void Document::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    Q_EMIT identityChanged(this);
}

void Document::setUntitled(int number)
{
    if (isUntitled() && number == m_untitledNumber)
        return;
    m_path.clear();
    m_untitledNumber = number;
    Q_EMIT identityChanged(this);
}

void Document::setLoading(bool loading)
{
    if (loading == m_loading)
        return;
    m_loading = loading;
    Q_EMIT loadingChanged(this, loading);
}

void Document::setFormat(Encoding encoding, bool byteOrderMark, const QString &lineBreak)
{
    if (encoding == m_encoding && byteOrderMark == m_byteOrderMark && lineBreak == m_lineBreak)
        return;
    m_encoding = encoding;
    m_byteOrderMark = byteOrderMark;
    m_lineBreak = lineBreak;
    Q_EMIT formatChanged(this);
}

QString Document::formatText() const
{
    QString encoding = QStringLiteral("Windows-1252");
    if (m_encoding == Encoding::Utf8)
        encoding = m_byteOrderMark ? QStringLiteral("UTF-8 BOM") : QStringLiteral("UTF-8");
    return encoding + QStringLiteral("  ") + LineBreaks::name(m_lineBreak);
}

void Document::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(this, modified);
}
