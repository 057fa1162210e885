#pragma once

#include <QDialog>

#include <memory>

class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpellingService;
class SpellingSession;

// The spelling check window: shows each misspelt word in its line with the dictionary's
// suggestions, and answers with Ignore, Ignore All, Add, Change, Change All or Close. Its
// options choose the dictionary's language and what is left out. The walk itself is the
// session's; the window only shows it. Frees itself when closed.
class SpellCheckDialog : public QDialog
{
    Q_OBJECT

public:
    SpellCheckDialog(SpellingService &service, std::unique_ptr<SpellingSession> session,
                     Prompter &prompter, QWidget *parent = nullptr);
    ~SpellCheckDialog() override;

    // Moves to the first misspelt word; false when there is none (the window is not needed).
    bool start();

Q_SIGNALS:
    // A word was added or ignored, or the language changed: marks elsewhere may be wrong.
    void wordsChanged();
    // The options of what is left out changed (and are stored).
    void scopeChanged();
    // The range is done; the window closes after saying so.
    void completed();

private:
    void showWord();
    void advance();
    void ignore();
    void ignoreAll();
    void add();
    void change(bool all);
    void chooseLanguage(int index);
    void changeScope();

    SpellingService &m_service;
    std::unique_ptr<SpellingSession> m_session;
    Prompter &m_prompter;
    QLabel *m_context;
    QLineEdit *m_changeTo;
    QListWidget *m_suggestions;
    QPushButton *m_change;
    QPushButton *m_changeAll;
    QComboBox *m_language;
    QCheckBox *m_skipHtml;
    QCheckBox *m_skipInternet;
};
