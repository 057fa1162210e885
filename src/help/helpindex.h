#pragma once

#include "help/helptopics.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Help pages the program writes when they are shown, from its own tables, instead of reading
// them from the help folder: a file name of the page table and the function that writes it.
using GeneratedPages = QHash<QString, std::function<QString()>>;

// Finds the help pages that contain every word of a search. The pages of the table are read
// from the help folder on the first search and kept as plain text (tags taken out, the few
// entities the pages use turned back into characters), so later searches cost no disk access.
class HelpIndex
{
public:
    explicit HelpIndex(QString folder, GeneratedPages generated = {});

    struct Hit
    {
        const HelpPage *page;
        int score; // occurrences of the words; a word in the title counts more
    };

    // Pages holding every word (letter case ignored), best first; the contents' order breaks
    // ties. An empty search finds nothing.
    QList<Hit> search(const QString &words);

    // "name: reason" for each page of the table that could not be read.
    const QStringList &unreadable();

    // The words of a page as a search sees them.
    static QString plainText(const QString &html);

private:
    void load();

    QString m_folder;
    GeneratedPages m_generated;
    bool m_loaded = false;
    QList<QString> m_texts; // lower-cased, by the table's order; empty for an unread page
    QStringList m_unreadable;
};
