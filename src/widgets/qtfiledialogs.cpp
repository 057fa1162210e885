#include "widgets/qtfiledialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

QStringList QtFileDialogs::openFiles(const QString &title, const QString &folder,
                                     const QString &filter, bool several)
{
    if (several)
        return QFileDialog::getOpenFileNames(m_parent, title, folder, filter);
    const QString one = QFileDialog::getOpenFileName(m_parent, title, folder, filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

QString QtFileDialogs::saveFile(const QString &folder, const QString &suggestedName,
                                const QString &filter)
{
    const QString start = suggestedName.isEmpty() ? folder : QDir(folder).filePath(suggestedName);
    // Replacing a file is asked by the caller, after the extension is settled.
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save As"), start, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::saveFileTitled(const QString &title, const QString &folder,
                                      const QString &suggestedName, const QString &filter)
{
    const QString start = suggestedName.isEmpty() ? folder : QDir(folder).filePath(suggestedName);
    return QFileDialog::getSaveFileName(m_parent, title, start, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtFileDialogs::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtFileDialogs::setUpPage(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
