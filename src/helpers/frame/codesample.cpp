#include "helpers/frame/codesample.h"

CodeSample::CodeSample(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("sample"));
    setWordWrap(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTextFormat(Qt::PlainText);
    setMinimumHeight(fontMetrics().lineSpacing() * 3 + 6);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}
