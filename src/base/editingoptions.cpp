#include "base/editingoptions.h"

#include "base/settingsfile.h"

bool EditingOptions::autoIndent() const
{
    return !m_settings.read(Keys::AutoIndent).isEmpty();
}

bool EditingOptions::boldIsStrong() const
{
    return m_settings.read(Keys::CtrlB) == QLatin1String("strong");
}

bool EditingOptions::italicIsEm() const
{
    return m_settings.read(Keys::CtrlI) == QLatin1String("em");
}

bool EditingOptions::tipsShown() const
{
    return m_settings.read(Keys::Pop).isEmpty();
}

bool EditingOptions::newHtmlIsPlain() const
{
    return !m_settings.read(Keys::NewT).isEmpty();
}

bool EditingOptions::tabsAtTop() const
{
    return !m_settings.read(Keys::TabLoc).isEmpty();
}

TagCase EditingOptions::tagCase() const
{
    const QString chosen = m_settings.read(Keys::TagCase);
    if (chosen == QLatin1String("table"))
        return TagCase::AsWritten;
    if (chosen == QLatin1String("lower"))
        return TagCase::Lower;
    if (chosen == QLatin1String("upper"))
        return TagCase::Upper;
    return m_settings.read(Keys::UCase) ? TagCase::Upper : TagCase::AsWritten;
}
