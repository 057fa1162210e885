#pragma once

#include <QObject>
#include <QString>

// One open document as the rest of the program knows it: which file it is (or which
// Untitled number it has), how its bytes are read (encoding, byte-order mark, own line
// break), whether it is modified and whether it is still loading. The document window keeps
// it up to date from its editor and is the only writer; windows, tabs, captions, the status
// bar and the file commands read it and follow its signals. Owned by its document window.
class Document : public QObject
{
    Q_OBJECT

public:
    enum class Encoding { Utf8, Windows1252 };

    explicit Document(QObject *parent = nullptr);

    static QString untitledName(int number);

    // Untitled is a state of its own: a file may well be called "Untitled5.html".
    bool isUntitled() const { return m_path.isEmpty(); }
    // The full path; empty while untitled.
    const QString &path() const { return m_path; }
    int untitledNumber() const { return m_untitledNumber; }
    // The full path, or the Untitled name.
    QString identity() const;
    // The file's own name, or the Untitled name: what a tab shows.
    QString shortName() const;
    void setPath(const QString &path);
    void setUntitled(int number);

    bool isLoading() const { return m_loading; }
    void setLoading(bool loading);

    Encoding encoding() const { return m_encoding; }
    bool hasByteOrderMark() const { return m_byteOrderMark; }
    // "\n", "\r\n" or "\r".
    const QString &lineBreak() const { return m_lineBreak; }
    void setFormat(Encoding encoding, bool byteOrderMark, const QString &lineBreak);
    // As the status bar shows it: "UTF-8  LF", "UTF-8 BOM  CR LF", "Windows-1252  CR LF".
    QString formatText() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

Q_SIGNALS:
    void identityChanged(Document *document);
    void formatChanged(Document *document);
    void modifiedChanged(Document *document, bool modified);
    void loadingChanged(Document *document, bool loading);

private:
    QString m_path;
    int m_untitledNumber = 0;
    bool m_loading = true;
    Encoding m_encoding = Encoding::Utf8;
    bool m_byteOrderMark = false;
    QString m_lineBreak = QStringLiteral("\n");
    bool m_modified = false;
};
