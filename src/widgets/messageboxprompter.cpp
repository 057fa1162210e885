#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>

namespace {

// A name longer than a line is cut in its middle, and so is a line longer than a few: a
// command line of a thousand words must not make a box taller than the screen.
QString elided(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        QStringList words = line.split(u' ');
        for (QString &word : words)
            if (metrics.horizontalAdvance(word) > width)
                word = metrics.elidedText(word, Qt::ElideMiddle, width);
        line = words.join(u' ');
        if (metrics.horizontalAdvance(line) > 3 * width)
            line = metrics.elidedText(line, Qt::ElideMiddle, 3 * width);
    }
    return lines.join(u'\n');
}

} // namespace

PromptAnswer MessageBoxPrompter::ask(PromptIcon icon, const QString &text, PromptButtons buttons)
{
    QMessageBox box(m_parent ? m_parent : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Quillmark"));
    // File names and the user's words are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    const QFontMetrics metrics(box.font());
    const QString shown = elided(text, metrics, 60 * metrics.averageCharWidth());
    box.setText(shown);
    if (shown != text)
        box.setDetailedText(text);
    switch (icon) {
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case PromptButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return buttons == PromptButtons::YesNoCancel ? PromptAnswer::Cancel : PromptAnswer::No;
    }
}
