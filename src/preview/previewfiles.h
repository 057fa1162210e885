#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class TemporaryFiles;

// The file a preview shows: the editor's text with a title line naming the preview, written
// beside the document so that its relative links (images, style sheets) resolve, or into the
// home folder for a document that has no folder yet. Viewer 1 (the first browser and the
// internal preview) and viewer 2 (the second browser) have a file each. A file of the chosen
// name that this run did not make, or that changed since this run wrote it, is the user's and
// is never replaced: another name is taken. A preview is written to a new name and renamed
// into place, never through a link, with the mode of its page.
class PreviewFiles
{
public:
    PreviewFiles(TemporaryFiles &registry, QString homeFolder)
        : m_registry(registry), m_home(std::move(homeFolder))
    {
    }

    // The folder of a document's identity text (a full path, or an Untitled name).
    QString folderFor(const QString &identity) const;
    // "_temp1.htm" in the folder, or "_temp1-2.htm", "_temp1-3.htm"... when anything of that
    // name exists that is not this run's unchanged preview. Letter case is kept.
    QString nameFor(const QString &folder, int viewer) const;
    // The title line "<Title>Quillmark Preview 1</Title>" and the document's bytes. The
    // line goes after a byte-order mark and ends with the document's own line ending.
    static QByteArray content(int viewer, const QByteArray &documentBytes);

    struct Result
    {
        QString path;  // the file written; empty on failure
        QString error; // a message naming the file and the reason
    };
    // Writes the preview of a document and registers it for deletion at exit.
    Result write(const QString &identity, const QByteArray &documentBytes, int viewer);

private:
    TemporaryFiles &m_registry;
    QString m_home;
};
