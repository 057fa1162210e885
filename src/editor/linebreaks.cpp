#include "editor/linebreaks.h"

#include "editor/texteditor.h"

namespace {

template <typename Out, typename View, typename Unit>
Out convertUnits(View text, const Out &lineBreak, Unit cr, Unit lf)
{
    Out out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Unit c = text[i];
        if (c != cr && c != lf)
            continue;
        out.append(text.sliced(copied, i - copied));
        out.append(lineBreak);
        if (c == cr && i + 1 < text.size() && text[i + 1] == lf)
            ++i;
        copied = i + 1;
    }
    if (copied == 0)
        return Out(text.data(), text.size());
    out.append(text.sliced(copied));
    return out;
}

} // namespace

namespace LineBreaks {

QString convert(QStringView text, const QString &lineBreak)
{
    return convertUnits<QString, QStringView, QChar>(text, lineBreak, QChar(u'\r'), QChar(u'\n'));
}

QByteArray convert(QByteArrayView bytes, QByteArrayView lineBreak)
{
    return convertUnits<QByteArray, QByteArrayView, char>(bytes, lineBreak.toByteArray(), '\r',
                                                          '\n');
}

QString name(const QString &lineBreak)
{
    if (lineBreak == CrLf)
        return QStringLiteral("CR LF");
    if (lineBreak == Cr)
        return QStringLiteral("CR");
    return QStringLiteral("LF");
}

bool convertDocument(TextEditor &doc, const QString &lineBreak)
{
    const QString text = doc.text();
    const QString converted = convert(text, lineBreak);
    const bool sameBreak = doc.lineBreak() == lineBreak;
    doc.setLineBreak(lineBreak);
    if (converted == text)
        return !sameBreak;
    const int line = doc.caretLine();
    const int column = doc.caretColumn();
    const int top = doc.firstVisibleLine();
    {
        UndoGroup group(doc);
        doc.setText(converted);
    }
    doc.setCaretLineColumn(line, column);
    doc.setFirstVisibleLine(top);
    return true;
}

} // namespace LineBreaks
