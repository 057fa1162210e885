#pragma once

#include "helpers/frame/pathreference.h"

#include <QComboBox>

// The list that chooses how a panel refers to a chosen file: relative, absolute or the name
// alone. It starts with nothing chosen, which is relative, as its placeholder says. Owned by
// its panel.
class PathModeBox : public QComboBox
{
    Q_OBJECT

public:
    // The panels word the three modes differently ("relative path" or "relative").
    enum class Wording { Long, Short };

    explicit PathModeBox(Wording wording, QWidget *parent = nullptr);

    PathMode mode() const;
    // Relative goes back to nothing chosen.
    void setMode(PathMode mode);
};
