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
