#pragma once

#include "editor/texteditor.h"

#include <functional>

struct FindState;
class Prompter;

enum class FindStep {
    FindOnly,        // search from the caret
    ReplaceThenFind, // replace the selection when it is the search text, then search
};

// The search routine of the find windows, multi-file replace and tag removal: one step on the
// shared find state, over the editor the state's target names.
class Finder
{
public:
    // The active document's editor, or null when no document is open.
    using ActiveEditor = std::function<TextEditor *()>;

    Finder(FindState &state, TextEditor &storememo, Prompter &prompter, ActiveEditor active);

    // One step. A failing search shows "\"text\" not found" unless the target is the scratch
    // editor, and clears repeat; the silent scan instead empties the target.
    void find(FindStep step);

    // Replaces every hit from the caret to the end (upwards: to the start) as one undo step,
    // leaving the caret behind the last text put in (upwards: in front of it) and
    // ending with one failing search. Text just put in is never searched again, so a
    // replacement that contains the search text cannot make it run forever. The work grows
    // with the length of the text, not with the number of hits.
    void replaceRemaining();

    // Whole-word search: the editor's search with the program's own boundary check on top.
    // On failure the caret and the selection are as before.
    static bool findWholeWord(TextEditor &editor, const QString &what, SearchDirection direction,
                              bool matchCase);

private:
    struct Options
    {
        bool wholeWord;
        bool matchCase;
        bool upwards;
    };

    TextEditor *chooseEditor(Options &options) const;
    // From top, then the replacing part of a step; true when the selection was replaced.
    bool prepare(TextEditor &editor, bool replace, bool upwards);
    bool search(TextEditor &editor, const Options &options) const;
    // Tells the user the search came to its end: how many were replaced when this ends a
    // Replace Remaining that replaced any, else that the text was not found.
    void reportFailure(int replaced = 0);
    int replaceForwards(TextEditor &editor, const Options &options);
    int replaceUpwards(TextEditor &editor, const Options &options, bool replacedFirst);

    FindState &m_state;
    TextEditor &m_storememo;
    Prompter &m_prompter;
    ActiveEditor m_active;
};
