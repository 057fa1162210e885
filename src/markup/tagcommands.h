#pragma once

#include "markup/quickcode.h"

#include <QString>
#include <QStringView>

#include <span>

class SettingsFile;
class EditingOptions;

// What a tag command does with its parts.
enum class TagAction {
    Wrap,       // wrap the selection in the start and end parts
    Tip,        // wrap, then put the caret inside the start part and show a typing tip
    Insert,     // insert the start text in front of the selection
    QuickTable, // build a quick table, or make the selection into a table
    QuickList,  // build a quick list, or make the selection into a list
    LinkButton, // insert, then put the caret between the action quotes and show a tip
};

// What the builders of the parts may look at.
struct PartContext
{
    const SettingsFile &settings;
    const EditingOptions &options;
    bool withOptions; // false when Shift asks for the bare tag
};
using PartBuilder = QString (*)(const PartContext &);

// One tag command of the document window. The rows are data: a wrong field shows beside its
// neighbours.
struct TagCommand
{
    const char *id;      // handler name that menus, toolbar and shortcuts refer to
    const char *caption; // toolbar hint
    TagAction action;
    const char *start = nullptr;      // fixed start part, or the text to insert
    PartBuilder buildStart = nullptr; // replaces start when set
    const char *end = nullptr;        // fixed end part
    PartBuilder buildEnd = nullptr;   // replaces end when set
    bool caseAndQuote = false;        // letter case and "apostrophe" reach the whole result
    bool shiftBare = false;           // Shift drops the option attributes from the start part
    int tipCaret = 0;                 // Tip: characters of the start part before the caret
    const char *tipWord = nullptr;
    QuickCode::ListKind list = QuickCode::ListKind::Unordered;

    QString startPart(const PartContext &context) const;
    QString endPart(const PartContext &context) const;
};

std::span<const TagCommand> tagCommands();
const TagCommand *findTagCommand(QStringView id);
