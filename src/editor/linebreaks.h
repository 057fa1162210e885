#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class TextEditor;

// A document's own line break: CR LF, LF or CR. What Enter types, what every generated text
// is written with, and what the status bar names.
namespace LineBreaks {

inline const QString Lf = QStringLiteral("\n");
inline const QString CrLf = QStringLiteral("\r\n");
inline const QString Cr = QStringLiteral("\r");

// Every line break of the text (CR LF, LF or a lone CR) written as the given one.
QString convert(QStringView text, const QString &lineBreak);
QByteArray convert(QByteArrayView bytes, QByteArrayView lineBreak);
// "LF", "CR LF" or "CR".
QString name(const QString &lineBreak);

// Writes every line break of the document as the given one, in one undo step, and makes it
// the document's own. The caret keeps its line and column, the view its first line. False
// when nothing changed: the text used that line break alone and it was already the own one.
bool convertDocument(TextEditor &doc, const QString &lineBreak);

} // namespace LineBreaks
