#pragma once

#include "markup/conversionseam.h"

#include <QString>
#include <QStringList>

class InsertWrap;
class Prompter;
class SettingsFile;

// The text conversions on a document's selection: tables and lists built from its lines, a
// line break tag on every line, and tag removal. All but tag removal go in through insert
// text in the ConvSelection mode, so auto-indent and the quote setting apply and the user's
// text keeps its letter case.
class TextConverter : public TextConversions
{
public:
    // charsPath: the character table library/chars that tag removal reads each time.
    TextConverter(const SettingsFile &settings, InsertWrap &insertWrap, QString charsPath);
    // Where a character table that cannot serve is reported, once for each problem.
    void reportProblemsTo(Prompter &prompter) { m_prompter = &prompter; }

    void makeTable(TextEditor &doc, Table layout) override;
    void makeList(TextEditor &doc, QuickCode::ListKind kind, bool itemPerLine) override;
    void addLineBreaks(TextEditor &doc);
    // Replaces the selection by its text without tags and entities, leaving the caret at
    // the start of the result. One undo step.
    void removeTags(TextEditor &doc);

    // The selection's lines, split at CR LF, LF and CR; empty lines and a last empty line
    // after a final line break count.
    static QStringList lines(const QString &text);

private:
    // Opening tags the conversion builds, in the letter case asked for; "ucase" upper-cases
    // them whole, as it always has.
    QString cased(const QString &tags) const;
    // End tags and items, written in upper case: only lower case changes them.
    QString lowered(const QString &tags) const;
    QString tableStart() const; // table tag and caption
    QString rowsTable(const QStringList &lines) const;
    QString cellsTable(const QStringList &lines) const;
    QString oneCellTable(const QStringList &lines) const;
    void insert(TextEditor &doc, const QString &text);

    const SettingsFile &m_settings;
    InsertWrap &m_insertWrap;
    QString m_charsPath;
    Prompter *m_prompter = nullptr;
    QString m_reportedProblem;
};
