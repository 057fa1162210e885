#pragma once

#include "markup/conversionseam.h"
#include "markup/insertwrap.h"
#include "markup/tagcommandrunner.h"
#include "markup/textconversions.h"

#include <QObject>

#include <functional>

class ActiveEditor;
class ModifierSource;
class SettingsFile;

// The tag commands and the insert and wrap entry points that helper panels, custom tags and
// the menus use. Each acts on the active document and does nothing when none is open.
// Owned by the main frame.
class TagController : public QObject
{
    Q_OBJECT

public:
    TagController(ActiveEditor &editors, const ModifierSource &keyboard,
                  const SettingsFile &settings, const EditingOptions &options, Prompter &prompter,
                  TextEditor &storememo, QObject *parent = nullptr);

    // Runs a tag command of the command table by its id; false for an unknown id.
    bool run(QStringView id);

    // Entry points.
    void wraptag(const QString &start, const QString &end);
    void boardit();
    void listcode2(const QString &text);
    void tipper(const QString &what, int back);
    // Replaces a range of the active document with built code, through insert text with the
    // case and quote settings; returns where the new code ends (the caret), or -1 when no
    // document is open.
    int replaceRange(int start, int end, const QString &text);
    void listcode();
    void killspace();
    void moveline(int n);
    void changeline(int line);

    InsertWrap &insertWrap() { return m_insertWrap; }
    TextEditor *activeEditor() const;
    TagCommandRunner &runner() { return m_runner; }
    TextConverter &conversions() { return m_conversions; }

private:
    ActiveEditor &m_editors;
    InsertWrap m_insertWrap;
    TextConverter m_conversions;
    TagCommandRunner m_runner;
};
