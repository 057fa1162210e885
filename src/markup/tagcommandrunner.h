#pragma once

#include "markup/quickcode.h"

#include <QStringView>

class InsertWrap;
class ModifierSource;
class Prompter;
class SettingsFile;
class TextConversions;
class TextEditor;
class EditingOptions;
struct TagCommand;
struct PartContext;

// Runs the tag commands of the document window on the active document. Owned by the main
// frame, which passes the active document, or null when none is open: then nothing happens.
// Each command is one undo step.
class TagCommandRunner
{
public:
    TagCommandRunner(InsertWrap &insertWrap, const SettingsFile &settings,
                     const EditingOptions &options, Prompter &prompter,
                     const ModifierSource &modifiers, TextConversions &conversions);

    // False when id names no tag command.
    bool run(QStringView id, TextEditor *doc);
    void run(const TagCommand &command, TextEditor *doc);

    // The quick-by-example pickers give counts; a count that is not 0 builds the table or
    // list even when text is selected. With both counts 0 a selection is converted instead.
    void quickTable(TextEditor *doc, int rows, int cells);
    void quickList(TextEditor *doc, QuickCode::ListKind kind, int items);

private:
    // What an Insert command puts in, in the letter case it takes.
    QString insertedPart(const TagCommand &command, const PartContext &context) const;
    void convertToTable(TextEditor &doc);
    void convertToList(TextEditor &doc, QuickCode::ListKind kind);

    InsertWrap &m_insertWrap;
    const SettingsFile &m_settings;
    const EditingOptions &m_options;
    Prompter &m_prompter;
    const ModifierSource &m_modifiers;
    TextConversions &m_conversions;
};
