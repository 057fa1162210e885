#pragma once

#include <QLabel>

// The sunken box under a panel's fields that shows the code Insert Code would write, three
// lines high, selectable, never widening the panel. Owned by its panel.
class CodeSample : public QLabel
{
    Q_OBJECT

public:
    explicit CodeSample(QWidget *parent = nullptr);
};
