#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class Prompter;
class QPrinter;
class QWidget;

// What the internal preview window needs from the program around it. The window lives in a
// module of its own (it brings the web engine), so it is handed functions, not the program's
// classes.
struct InternalPreviewHost
{
    Prompter *prompter = nullptr;
    std::function<QRect()> storedGeometry;
    std::function<void(const QRect &)> storeGeometry;
    // The "follow the editor" toggle.
    std::function<bool()> liveEnabled;
    std::function<void(bool)> setLiveEnabled;
    std::function<void()> returnToEditor;
    // The main frame's Open dialog: the chosen file, or empty.
    std::function<QString()> chooseFile;
    // Starts a program with an argument list; the window has asked the user first.
    std::function<void(const QString &program, const QStringList &arguments)> runProgram;
    // Hands a file to the desktop's default handler (media players, a real browser).
    std::function<void(const QUrl &)> openUrl;
    // The print dialog; false when cancelled.
    std::function<bool(QPrinter &)> choosePrinter;
    // The page a preview file stands for as its document holds it now, title line first; a
    // null array when the file follows no open document. Reload, Back and the history show
    // this rather than the file as it was written.
    std::function<QByteArray(const QString &file)> currentText;
};

// The internal preview window as the program sees it. The window deletes itself when
// closed; its widget's destroyed signal tells the program.
class InternalPreview
{
public:
    virtual ~InternalPreview() = default;
    virtual QWidget *widget() = 0;
    // Loads a file at once and brings the window to the front.
    virtual void load(const QString &file) = 0;
    // Shows a page's bytes as if they were the file's, keeping the scroll position; nothing
    // is written to disk.
    virtual void showLive(const QByteArray &page, const QString &file) = 0;
    // The file on show: the local file last loaded or shown live.
    virtual QString currentFile() const = 0;
};

// The module's one entry point.
using CreateInternalPreview = InternalPreview *(*)(const InternalPreviewHost &host,
                                                   QWidget *parent);
inline constexpr char CreateInternalPreviewSymbol[] = "quillmark_create_internal_preview";
inline constexpr char InternalPreviewModuleName[] = "quillmark_webpreview";
