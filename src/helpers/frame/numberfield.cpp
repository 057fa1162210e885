#include "helpers/frame/numberfield.h"

#include <QToolTip>

NumberField::NumberField(const QString &objectName, int minimum, int value, QWidget *parent,
                         int maximum)
    : QSpinBox(parent)
{
    setObjectName(objectName);
    setRange(minimum, maximum);
    setValue(value);
    m_before = value;
    connect(this, &QSpinBox::editingFinished, this, [this] { m_before = this->value(); });
}

QValidator::State NumberField::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    // Too large is not wrong while typing: it is refused when the typing ends.
    bool ok = false;
    const qlonglong number = input.trimmed().toLongLong(&ok);
    return ok && number > maximum() ? QValidator::Intermediate : state;
}

void NumberField::fixup(QString &input) const
{
    bool ok = false;
    const qlonglong number = input.trimmed().toLongLong(&ok);
    if (!ok || number <= maximum()) {
        QSpinBox::fixup(input);
        return;
    }
    m_refusal = QStringLiteral("%1 is too large: this field takes numbers up to %2.")
                    .arg(input.trimmed())
                    .arg(maximum());
    input = QString::number(m_before);
    auto *self = const_cast<NumberField *>(this);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), m_refusal, self);
    Q_EMIT self->refused(m_refusal);
}

void NumberField::focusInEvent(QFocusEvent *event)
{
    m_before = value();
    m_refusal.clear();
    QSpinBox::focusInEvent(event);
}
