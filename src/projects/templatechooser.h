#pragma once

#include "projects/templatestore.h"

#include <QDialog>

#include <functional>

class Prompter;
class QFileSystemModel;
class QLabel;
class QListView;
class QPushButton;

// "Open Template": lists the template folder, shows and sets the default template, deletes
// templates, and makes a new document from the chosen one (the default when none is chosen).
// It frees itself when closed.
class TemplateChooser : public QDialog
{
    Q_OBJECT

public:
    // newFrom makes the document: given a template's name, or empty for the default.
    TemplateChooser(TemplateStore store, Prompter &prompter,
                    std::function<void(const QString &)> newFrom, std::function<void()> help,
                    QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QLabel *defaultLabel() const { return m_default; }
    QPushButton *button(const QString &objectName) const;
    // The chosen template's name; empty when none is chosen.
    QString selectedName() const;

private:
    void selectionChanged();
    void accept() override;
    void setDefault();
    void clearDefault();
    void deleteSelected();

    TemplateStore m_store;
    Prompter &m_prompter;
    std::function<void(const QString &)> m_newFrom;
    QFileSystemModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_default = nullptr;
    QPushButton *m_set = nullptr;
    QPushButton *m_delete = nullptr;
};
