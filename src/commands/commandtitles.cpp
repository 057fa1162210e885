#include "commands/commandtitles.h"

#include "commands/commandtable.h"
#include "commands/mainmenu.h"

#include <QHash>
#include <QStringList>

namespace {

const QString Step = QStringLiteral(" > ");

// A caption as the menu shows it: without its accelerator marks.
QString plain(const char *caption)
{
    QString text = QString::fromUtf8(caption).trimmed();
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text.simplified();
}

void collect(std::span<const MenuEntry> entries, const QString &path,
             QHash<QString, QString> &titles)
{
    QString previous;
    for (const MenuEntry &e : entries) {
        if (e.kind == MenuEntry::Kind::Submenu) {
            collect(e.entries, path + plain(e.caption) + Step, titles);
            continue;
        }
        // A hidden entry only lends its key to a toolbar item, which names the command.
        if (e.kind != MenuEntry::Kind::Command || e.hidden)
            continue;
        QString caption = plain(e.caption);
        // "... Plus" continues the entry above it.
        if (caption.startsWith(QLatin1String("...")))
            caption = previous + u' ' + caption;
        previous = caption;
        const QString id = QString::fromLatin1(e.command);
        if (!titles.contains(id))
            titles.insert(id, path + caption);
    }
}

QHash<QString, QString> makeTitles()
{
    QHash<QString, QString> titles;
    for (const TopMenu &top : mainMenu())
        collect(top.entries, plain(top.caption) + Step, titles);
    // A command of the menu bar itself that no menu lists.
    for (const TopMenu &top : mainMenu()) {
        if (top.command && !titles.contains(QString::fromLatin1(top.command)))
            titles.insert(QString::fromLatin1(top.command), plain(top.caption));
    }
    for (const CommandRow &row : commandRows()) {
        const QString id = QString::fromLatin1(row.id);
        if (!titles.contains(id))
            titles.insert(id, QStringLiteral("Toolbar") + Step + plain(row.caption));
    }
    // Entries that read alike get their number in the table's order.
    QHash<QString, int> uses;
    for (const QString &title : std::as_const(titles))
        ++uses[title];
    QHash<QString, int> counted;
    for (const CommandRow &row : commandRows()) {
        QString &title = titles[QString::fromLatin1(row.id)];
        if (uses.value(title) > 1)
            title += u' ' + QString::number(++counted[title]);
    }
    return titles;
}

} // namespace

QString commandTitle(const QString &id)
{
    static const QHash<QString, QString> titles = makeTitles();
    return titles.value(id);
}
