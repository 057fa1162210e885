#pragma once

#include "preview/internalpreview.h"
#include "preview/web/defaultlookdialog.h"

#include <QDate>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QWidget>

class PagePrinter;
class PreviewPage;
class QLabel;
class QMenu;
class QToolButton;
class QWebEngineView;
class SoundPlayer;

// The internal preview window: shows a page in the web engine beside the editor, follows
// local links inside itself (never going on line), and offers history, find, printing, a few
// fixed window sizes and screen corners. Only one exists; it deletes itself when closed and
// keeps its place and size in the settings file.
class PreviewWindow : public QWidget, public InternalPreview
{
    Q_OBJECT

public:
    static constexpr int HistorySize = 6;
    static constexpr qint64 MaxContentSize = 2 * 1024 * 1024;

    PreviewWindow(const InternalPreviewHost &host, QWidget *parent);
    ~PreviewWindow() override;

    QWidget *widget() override { return this; }
    void load(const QString &file) override;
    void showLive(const QByteArray &page, const QString &file) override;
    QString currentFile() const override { return m_currentFile; }

    // The history's captions, oldest first, and the entry on show.
    QStringList historyCaptions() const;
    int historyIndex() const { return m_index; }
    QWebEngineView *view() const { return m_view; }
    // A history caption: the title cut to 80 characters, then "--" and the file name, the
    // whole cut to 80.
    static QString historyCaption(const QString &title, const QString &file);

    void goBack();
    void goForward();
    void reload();
    void findNext(const QString &text, bool matchCase);
    void printPage(bool preview);
    void openFile();
    // 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    void moveToCorner(int corner);
    // "Default Font/Colors": opens the dialog; OK applies what it holds and reloads.
    void chooseDefaultLook();
    // The look of pages that set none themselves, for the page on show and every later one.
    void applyDefaultLook(const DefaultLook &look);
    DefaultLook defaultLook() const;

Q_SIGNALS:
    // A page (or a live update) has been laid out.
    void pageShown(const QString &file);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QString file;
        QString title;
    };

    void buildButtons(QWidget *bar);
    void showFile(const QString &file, bool addToHistory);
    void setPage(const QByteArray &bytes, const QString &file);
    bool decide(const QUrl &url, int type, bool isMainFrame);
    // Whether the link put something new on show; a refused one leaves the page as it was.
    bool followLink(const QUrl &url);
    void linkRefused();
    void enableForPage(bool loaded);
    void installPageScripts();
    void objectClicked(const QString &message);
    void showFormResults(const QUrl &url);
    void loadStarted();
    void loadFinished(bool ok);
    void titleChanged(const QString &title);
    void updateHistoryMenu();
    void contextMenu(const QPoint &pos);
    bool dropFiles(QEvent *event);
    void sizeTo(int width, int height, bool toCorner);

    InternalPreviewHost m_host;
    QWebEngineView *m_view = nullptr;
    PreviewPage *m_page = nullptr;
    PagePrinter *m_printer = nullptr;
    SoundPlayer *m_sound = nullptr;
    QLabel *m_status = nullptr;
    QMenu *m_historyMenu = nullptr;
    QToolButton *m_back = nullptr, *m_forward = nullptr, *m_reload = nullptr, *m_history = nullptr,
                *m_open = nullptr, *m_print = nullptr, *m_printPreview = nullptr, *m_find = nullptr,
                *m_live = nullptr, *m_size1024 = nullptr, *m_size800 = nullptr, *m_fonts = nullptr;
    QWidget *m_findBox = nullptr;
    QList<Entry> m_entries;
    int m_index = -1;
    QString m_currentFile;
    QString m_fragment;
    QPointF m_keepScroll{-1, -1};
    QString m_lastFind;
    int m_lastActiveMatch = 0;
    // The page on show was laid out; a link refused since leaves it so.
    bool m_pageReady = false;
    bool m_loading = false;
    bool m_refused = false;
    bool m_lookSet = false;
    DefaultLook m_look;
    QPointer<DefaultLookDialog> m_lookDialog;
};
