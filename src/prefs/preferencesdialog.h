#pragma once

#include "prefs/preferencesstore.h"

#include <QColor>
#include <QDialog>
#include <QHash>

#include <functional>

class KeysPage;
class Prompter;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class SettingsFile;

// What the preferences dialog needs from the program around it. The main frame fills it in;
// tests give their own answers for the pickers.
struct PreferencesHost
{
    PreferencesHost(SettingsFile &settingsFile, Prompter &messages)
        : settings(settingsFile), prompter(messages)
    {
    }

    SettingsFile &settings;
    Prompter &prompter;
    // The saved data folder exists: the file dialogs start there.
    std::function<void(const QString &folder)> dataFolder;
    std::function<void(int topic)> help;
    std::function<QString(const QString &title, const QString &folder, const QString &filter)>
        pickFile;
    std::function<QString(const QString &title, const QString &folder)> pickFolder;
    std::function<QColor(const QColor &current)> pickColour;
    PreferencesStore::FileCheck fileExists;
};

// The preferences dialog: seven pages of controls loaded from the settings file when it
// opens and written back by Apply and OK. It keeps nothing between openings; each
// Preferences command makes a new one, which deletes itself when closed.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(PreferencesHost host, QWidget *parent = nullptr);

    // Opens a new dialog over the main frame, centred on the screen, not blocking the frame.
    static PreferencesDialog *showFor(PreferencesHost host, QWidget *parent);

    QTabWidget *notebook() const { return m_notebook; }
    KeysPage *keysPage() const { return m_keysPage; }
    // What the dialog calls outside itself; tests replace the pickers here.
    PreferencesHost &host() { return m_host; }
    // Every control's state, and the hidden values loaded with them.
    PreferenceValues values() const;
    void showValues(const PreferenceValues &values);

    // Writes every control; false when a check stopped the save (its message was shown).
    bool OKdone();
    void applyClick();
    void SpeedButton7Click();
    void CancelBtnClick();

private:
    void FormCreate();
    QWidget *buildPage(PrefPage page);
    QWidget *buildGroup(PrefPage page, const char *group, int columns);
    void addFullRow(QGridLayout *grid, int row, const PrefField &f);
    QWidget *makeTick(const PrefField &f);
    void addColourRow(QGridLayout *grid, int row, const PrefField &f);
    QWidget *makeFilterGrid();
    void writebrows(const QString &control, const TextKey &key);
    void chooseColour(const QString &row, bool background);
    void showColour(const QString &row);
    void modeChosen(const PrefField &f);
    void SpeedButton17Click();
    void showFilters(const QList<FilterRow> &rows);
    void addKeysPage();
    bool keysAreFree();

    struct ColourRowWidgets
    {
        QCheckBox *box = nullptr;
        QPushButton *text = nullptr;
        QPushButton *back = nullptr;
        int textValue = 0;
        int backValue = 0;
    };

    PreferencesHost m_host;
    PreferencesStore m_store;
    PreferenceValues m_loaded;
    QTabWidget *m_notebook = nullptr;
    QHash<QString, QCheckBox *> m_ticks;
    QHash<QString, QSpinBox *> m_spins;
    QHash<QString, QLineEdit *> m_edits;
    QHash<QString, QPushButton *> m_pickButtons;
    QHash<QString, QButtonGroup *> m_choices;
    QHash<QString, ColourRowWidgets> m_colourRows;
    QTableWidget *m_filters = nullptr;
    KeysPage *m_keysPage = nullptr;
};
