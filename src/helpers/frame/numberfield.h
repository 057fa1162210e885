#pragma once

#include <QSpinBox>

// A panel's number field. A number larger than the field takes is refused as a whole, with
// a message at the field, and the value from before the typing stays; the digits are never
// cut. Owned by its panel.
class NumberField : public QSpinBox
{
    Q_OBJECT

public:
    // The largest number a panel field takes unless it says otherwise.
    static constexpr int Limit = 9999;

    NumberField(const QString &objectName, int minimum, int value, QWidget *parent,
                int maximum = Limit);

    // The message of the last refusal, empty while none was needed since the field was
    // entered.
    QString refusal() const { return m_refusal; }

Q_SIGNALS:
    void refused(const QString &message);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void focusInEvent(QFocusEvent *event) override;

private:
    mutable QString m_refusal;
    int m_before = 0;
};
