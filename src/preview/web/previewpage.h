#pragma once

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>

// Keeps the internal preview off line: every request for a web, file-transfer or socket
// address is refused before it leaves, pictures and style sheets included.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
    static bool isNetworkScheme(const QString &scheme);
};

// The preview's page: every navigation is first put to the window, which decides what a link
// does; requests for a new window hand their address over instead of opening one.
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    using Decider = std::function<bool(const QUrl &, NavigationType, bool isMainFrame)>;
    PreviewPage(QWebEngineProfile *profile, QObject *parent);

    void setDecider(Decider decider) { m_decide = std::move(decider); }
    // The offline profile all preview pages share; made on first use.
    static QWebEngineProfile *sharedProfile();
    // The script, run beside every page in a world of its own, that reports clicks on check
    // boxes and radio buttons whose on-click text is "display".
    static QString objectClickScript();

Q_SIGNALS:
    // A link asked for a new window (target="_blank" and the like).
    void newWindowRequested(const QUrl &url);
    // A check box or radio button whose on-click text is "display" was clicked: what to say.
    void objectClicked(const QString &message);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    // A page's script messages are the page's business, not the program's output; only the
    // window's own script speaks to the window this way.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int,
                                  const QString &) override;

private:
    Decider m_decide;
};
