#include "commands/keyshelppage.h"

#include "commands/commandtable.h"
#include "commands/commandtitles.h"
#include "commands/keymap.h"

namespace {

QString keyList(const QStringList &keys)
{
    QStringList shown;
    for (const QString &key : keys)
        shown << QStringLiteral("<b>%1</b>").arg(key.toHtmlEscaped());
    return shown.isEmpty() ? QStringLiteral("(none)") : shown.join(QLatin1String(", "));
}

QString row(const QString &command, const QString &keys)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(command.toHtmlEscaped(), keys);
}

} // namespace

QString KeysHelpPage::html(const KeyMap &keys)
{
    QString page = QStringLiteral(
        "<html>\n<head><title>Keyboard shortcuts</title></head>\n<body>\n"
        "<h1>Keyboard shortcuts</h1>\n"
        "<p>The keys below are the ones in force now. Edit, Preferences, <b>Keys</b> changes "
        "them: pick a command, type its new key into the key field, or add or clear keys, "
        "then click OK. A key that two commands hold is shown in the page before OK.</p>\n"
        "<p>Two ready-made sets are offered there. <b>Quillmark</b> gives each command the key "
        "of its menu entry. <b>Desktop conventions</b> gives the keys most desktop programs use "
        "for closing, saving under a new name and printing, and moves the tag commands that "
        "held them (see below). Ctrl+F4 closes a document and Ctrl+H opens Find and Replace in "
        "both sets. Choosing a set starts again from its keys.</p>\n");
    page += QStringLiteral("<p>Keys in force: <b>%1</b>.</p>\n")
                .arg(keys.set() == KeySet::Desktop ? QStringLiteral("Desktop conventions")
                                                   : QStringLiteral("Quillmark"));

    page += QStringLiteral("<h2>Desktop conventions</h2>\n<table border=\"1\" cellpadding=\"3\">\n"
                           "<tr><th>Command</th><th>Quillmark</th><th>Desktop "
                           "conventions</th></tr>\n");
    for (const CommandRow &r : commandRows()) {
        const QStringList quillmark = KeyMap::setKeys(KeySet::Quillmark, r);
        const QStringList desktop = KeyMap::setKeys(KeySet::Desktop, r);
        if (quillmark != desktop)
            page += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                        .arg(commandTitle(QString::fromLatin1(r.id)).toHtmlEscaped(),
                             keyList(quillmark), keyList(desktop));
    }
    page += QStringLiteral("</table>\n");

    page += QStringLiteral("<h2>Every command with a key</h2>\n<table border=\"1\" "
                           "cellpadding=\"3\">\n<tr><th>Command</th><th>Keys</th></tr>\n");
    QStringList without;
    for (const CommandRow &r : commandRows()) {
        const QString id = QString::fromLatin1(r.id);
        const QStringList own = keys.keys(id);
        if (own.isEmpty())
            without << commandTitle(id).toHtmlEscaped();
        else
            page += row(commandTitle(id), keyList(own));
    }
    page += QStringLiteral("</table>\n");
    if (!without.isEmpty())
        page += QStringLiteral("<h2>Commands without a key</h2>\n<p>%1</p>\n")
                    .arg(without.join(QLatin1String("; ")));
    return page + QStringLiteral("</body>\n</html>\n");
}
