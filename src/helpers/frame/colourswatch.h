#pragma once

#include <QToolButton>

#include <cstdint>

class ColourPicker;

// The small button of a panel that shows the colour chosen and, pressed, offers the colour
// picker under the pointer.
class ColourSwatch : public QToolButton
{
    Q_OBJECT

public:
    ColourSwatch(const QString &objectName, QWidget *parent);

    std::uint32_t colour() const { return m_rgb; }
    void setColour(std::uint32_t rgb); // shown; no signal
    ColourPicker *picker() const { return m_picker; }

Q_SIGNALS:
    void opening();                 // pressed, before the picker shows
    void chosen(std::uint32_t rgb); // picked by the user, already shown

private:
    ColourPicker *m_picker;
    std::uint32_t m_rgb = 0xFFFFFF;
};
