#include "preview/web/previewpage.h"

#include <QCoreApplication>
#include <QWebEngineProfile>

namespace {

// Catches the first address a new-window request navigates to and reports it.
class CatcherPage : public QWebEnginePage
{
public:
    CatcherPage(QWebEngineProfile *profile, PreviewPage *origin)
        : QWebEnginePage(profile, origin), m_origin(origin)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        if (!url.isEmpty() && url.scheme() != QLatin1String("about"))
            Q_EMIT m_origin->newWindowRequested(url);
        deleteLater();
        return false;
    }

private:
    PreviewPage *m_origin;
};

} // namespace

bool OfflineInterceptor::isNetworkScheme(const QString &scheme)
{
    static const QStringList network = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("ftp"), QStringLiteral("ws"),
                                        QStringLiteral("wss")};
    return network.contains(scheme.toLower());
}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (isNetworkScheme(info.requestUrl().scheme()))
        info.block(true);
}

PreviewPage::PreviewPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
}

QWebEngineProfile *PreviewPage::sharedProfile()
{
    static QWebEngineProfile *profile = nullptr;
    if (!profile) {
        // Off the record: the preview keeps no cache or cookies on disk. It goes when the
        // application does, after every window and page.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        profile->setUrlRequestInterceptor(new OfflineInterceptor(profile));
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    }
    return profile;
}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (OfflineInterceptor::isNetworkScheme(url.scheme()) && type != NavigationTypeLinkClicked)
        return false;
    return m_decide ? m_decide(url, type, isMainFrame) : true;
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType)
{
    return new CatcherPage(profile(), this);
}

namespace {
const QString ObjectClickMark = QStringLiteral("\u0001quillmark-object\u0001");
}

QString PreviewPage::objectClickScript()
{
    return QStringLiteral(
        "document.addEventListener('click', function (e) {"
        "  var t = e.target;"
        "  if (!t || t.tagName !== 'INPUT') return;"
        "  var on = (t.getAttribute('onclick') || '').trim().toLowerCase();"
        "  var type = (t.type || '').toLowerCase();"
        "  if (on !== 'display' || (type !== 'checkbox' && type !== 'radio')) return;"
        "  var name = t.getAttribute('name') || '';"
        "  console.info('\\u0001quillmark-object\\u0001' + name + ' is ' +"
        "    (type === 'radio' || t.checked ? 'checked' : 'unchecked'));"
        "}, true);");
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString &message, int, const QString &)
{
    if (level == InfoMessageLevel && message.startsWith(ObjectClickMark))
        Q_EMIT objectClicked(message.mid(ObjectClickMark.size()));
}
