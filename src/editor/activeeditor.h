#pragma once

class QString;
class TextEditor;

// Where a command finds the editor it acts on (the active document's, or none) and how it
// shows a typing tip under that editor's caret. The registry of open documents answers it;
// commands that know nothing of document windows take it.
class ActiveEditor
{
public:
    virtual ~ActiveEditor() = default;
    virtual TextEditor *activeEditor() const = 0;
    bool hasEditor() const { return activeEditor() != nullptr; }
    virtual void showTip(TextEditor &editor, const QString &tip) = 0;
};
