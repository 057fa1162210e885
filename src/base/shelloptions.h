#pragma once

#include <QString>

class SettingsFile;

// The options the shell copies from the settings file at start and refreshes when the
// preferences are applied. Each is a text switch: on when not empty, unless said otherwise.
struct ShellOptions
{
    QString autoIndent;                    // "ai": auto-indent inserted text
    QString spaces = QStringLiteral("no"); // always "no" in memory, whatever the file holds
    QString ctrlB;                         // "strong": Bold inserts STRONG instead of B
    QString ctrlI;                         // "em": Italics inserts EM instead of I
    QString pop;                           // not empty: no typing tips
    QString newT;                          // not empty: New HTML Document makes a plain document
    QString startNew;                      // "no": no empty document at start
    bool upperTabs = false;                // "tabloc" not empty: the tab strip is at the top

    // Reads every option; "startnew" only when withStartNew (it is read once, at start).
    void read(const SettingsFile &settings, bool withStartNew);

    bool autoIndentOn() const { return !autoIndent.isEmpty(); }
    bool boldIsStrong() const { return ctrlB == QLatin1String("strong"); }
    bool italicIsEm() const { return ctrlI == QLatin1String("em"); }
    bool tipsShown() const { return pop.isEmpty(); }
};
