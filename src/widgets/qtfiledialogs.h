#pragma once

#include "base/filedialogs.h"

#include <QPointer>
#include <QWidget>

// The file commands' dialogs as Qt's own dialogs over the given parent window.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent) : m_parent(parent) {}

    QStringList openFiles(const QString &title, const QString &folder, const QString &filter,
                          bool several) override;
    QString saveFile(const QString &folder, const QString &suggestedName,
                     const QString &filter) override;
    QString saveFileTitled(const QString &title, const QString &folder,
                           const QString &suggestedName, const QString &filter) override;
    bool choosePrinter(QPrinter &printer) override;
    bool setUpPage(QPrinter &printer) override;

private:
    QPointer<QWidget> m_parent;
};
