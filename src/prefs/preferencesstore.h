#pragma once

#include "base/settingskeys.h"
#include "tagcolouring/tagcolourrules.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

class SettingsFile;

enum class PrefPage : std::uint8_t {
    General,
    Editor,
    Quick1,
    Quick2,
    Quick3,
    Locations,
    HelperApps,
    Hidden, // stored and restored, but shown nowhere
};
inline constexpr int PrefPageCount = 7;

// How a control stands for its key in the settings file.
enum class PrefKind : std::uint8_t {
    TickedWhenSet,    // ticked when the key is not empty; writes `text` / empty
    TickedWhenEmpty,  // ticked when the key is empty; writes empty / `text`
    TickedWhenEquals, // ticked when the key is `text`; writes `text` / empty
    Boolean,          // "1" / "0"
    Number,           // spin field; decimal
    Text,             // folder or free text
    ProgramPath,      // a program; when not empty it must name an existing file
    Choice,           // radio group; the value of the chosen radio
    ColourRow,        // check box with a text and a background colour, two keys
    FilterList,       // the Open/Save dialog filter grid
};

struct PrefChoice
{
    const char *control;
    const char *caption;
    const char *value;
};

// One control of the preferences dialog and the key behind it. The table of these is in save
// order; groups place the controls on their pages.
struct PrefField
{
    const char *control; // also the widget's object name
    PrefPage page;
    const char *group;   // the box the control sits in
    const char *caption; // empty for the hidden rows
    PrefKind kind;
    const char *section;
    const char *key;
    const char *text = "";    // see PrefKind; text field: its default; spin: label after it
    int initial = 0;          // tick, spin value or choice index before anything is loaded
    int lower = 0;            // spin limits; choice: the index a value outside the list picks
    int upper = 0;            // 0: none
    bool defaultBool = false; // Boolean: read default
    bool onceSaved = false;   // loaded only once the dialog has been saved ("qrow" not 0)
    std::span<const PrefChoice> choices = {};
    const char *governs = ""; // choice: the path field the second radio disables
    // Choice: the radio a missing or unknown value stands for, read from older keys; without
    // it such a value picks `lower`.
    int (*unstored)(const SettingsFile &settings) = nullptr;
    const char *message = ""; // program path: shown when the file does not exist
    const char *nameKey = ""; // program path: display name cleared when the path changes
    TagCategory category = TagCategory::None; // colour row
    const char *textButton = "";
    const char *backButton = "";
};

// The preferences as the dialog's controls hold them, keyed by control name.
struct ColourRowValue
{
    bool on = false;
    int text = 0;          // black
    int back = 0x00FFFFFF; // white
    friend bool operator==(const ColourRowValue &, const ColourRowValue &) = default;
};

struct FilterRow
{
    QString description;
    QString patterns;
    friend bool operator==(const FilterRow &, const FilterRow &) = default;
};

struct PreferenceValues
{
    QHash<QString, bool> ticks;
    QHash<QString, int> numbers;
    QHash<QString, QString> texts;
    QHash<QString, int> choices; // index of the chosen radio, -1 for none
    QHash<QString, ColourRowValue> colours;
    QList<FilterRow> filters;
};

// The preferences dialog's model: which control writes which key and how, loading every
// control from the settings file, and saving them back in a fixed order that stops at the
// first program path that does not exist. Knows no widgets; the dialog owns one per opening.
class PreferencesStore
{
public:
    using FileCheck = std::function<bool(const QString &path)>;

    static std::span<const PrefField> fields();
    static const PrefField *field(const QString &control);
    static constexpr int FilterRowCount = 6;
    // The filter grid's own list: what "Reset" shows.
    static QList<FilterRow> resetFilters();
    // The stored filter text ("desc|patterns|...", patterns separated by ";") as grid rows
    // with "," between patterns, and back.
    static QList<FilterRow> filterRows(QString stored);
    static QString filterText(const QList<FilterRow> &rows);
    // A pasted program path without one enclosing double quote at either end.
    static QString unquoted(QString path);

    explicit PreferencesStore(SettingsFile &settings);

    void setFileCheck(FileCheck check) { m_fileExists = std::move(check); }

    // Every control as the dialog starts before loading.
    static PreferenceValues initialValues();
    // Every control from the settings file. The quick options stay at their initial values
    // until the dialog has been saved once.
    PreferenceValues load() const;
    // The saved Locations data folder, when it is a folder: the file dialogs start there.
    QString existingDataFolder() const;
    struct SaveResult
    {
        QString message; // empty when every key was written
        QString control; // the control whose check stopped the save
        bool ok() const { return message.isEmpty(); }
    };
    // Writes what the dialog shows before its first save for the options it loads only once
    // saved: on a new settings file the commands then do what the dialog shows.
    bool writeFormDefaults();
    // Writes every control in table order and stops at the first program path that names no
    // file (or the first write that fails); the keys before it stay written.
    SaveResult save(const PreferenceValues &values);

private:
    void loadField(const PrefField &f, PreferenceValues &values) const;
    QString saveField(const PrefField &f, const PreferenceValues &values);
    static bool unusedPath(const PrefField &f, const PreferenceValues &values);

    SettingsFile &m_settings;
    FileCheck m_fileExists;
};
