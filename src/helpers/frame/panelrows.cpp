#include "helpers/frame/panelrows.h"

#include "commands/commandids.h"
#include "help/helptopics.h"

#include <array>

namespace PanelRows {

namespace {

// clang-format off
const std::array<PanelRow, 11> Rows{{
    {"ImageHelper", "Image Helper",     Keys::ImgTop,   Keys::ImgLeft,   &Keys::ImgWidth,  &Keys::ImgHeight,  116, Cmd::ImageHelper,  Cmd::ImageHelperClose,  true,  HelpTopic::ImageHelper},
    {"DocumentHelper",  "Docu helper",      Keys::DocuTop,  Keys::DocuLeft,  &Keys::DocuWidth, &Keys::DocuHeight, 170, Cmd::DocHelper,    Cmd::DocHelperClose,    true,  HelpTopic::DocumentHelper},
    {"LinkHelper",  "Link Helper",      Keys::LinkTop,  Keys::LinkLeft,  nullptr,          nullptr,            98, Cmd::LinkHelper,   Cmd::LinkHelperClose,   true,  HelpTopic::LinkHelper},
    {"TlinkRoll1", "Color Helper",     Keys::ColorTop, Keys::ColorLeft, nullptr,          nullptr,           188, Cmd::ColorHelper,  Cmd::ColorHelperClose,  false, HelpTopic::ColourHelper},
    {"ListHelper",  "List Helper",      Keys::ListTop,  Keys::ListLeft,  nullptr,          nullptr,           152, Cmd::ListHelper,   Cmd::ListHelperClose,   true,  HelpTopic::ListHelper},
    {"TableHelper",   "Table Helper",     Keys::TabTop,   Keys::TabLeft,   nullptr,          nullptr,           134, Cmd::TableHelper,  Cmd::TableHelperClose,  true,  HelpTopic::TableHelper},
    {"Tframeroll", "Frames Helper",    Keys::FrameTop, Keys::FrameLeft, nullptr,          nullptr,           206, Cmd::FrameHelper,  Cmd::FrameHelperClose,  true,  HelpTopic::FrameHelper},
    {"TlinkRoll2", "Form Helper",      Keys::FormTop,  Keys::FormLeft,  nullptr,          nullptr,           170, Cmd::FormHelper,   Cmd::FormHelperClose,   false, HelpTopic::FormHelper},
    {"TfontRoll",  "Font Helper",      Keys::FontTop,  Keys::FontLeft,  nullptr,          nullptr,            80, Cmd::FontHelper,   Cmd::FontHelperClose,   false, HelpTopic::FontHelper},
    {"Tuserroll",  "User Tags Helper", Keys::UserTop,  Keys::UserLeft,  &Keys::UserWidth, &Keys::UserHeight, 206, Cmd::UserTags,     Cmd::UserTagsClose,     false, HelpTopic::UserTags},
    {"Tspecials",  "Special Chars",    Keys::CharsTop, Keys::CharsLeft, nullptr,          nullptr,           224, Cmd::SpecialChars, Cmd::SpecialCharsClose, false, HelpTopic::SpecialChars},
}};
// clang-format on

} // namespace

std::span<const PanelRow> all()
{
    return Rows;
}

const PanelRow *byClass(QStringView className)
{
    for (const PanelRow &row : Rows)
        if (className == QLatin1String(row.className))
            return &row;
    return nullptr;
}

const PanelRow *byCommand(QStringView command)
{
    for (const PanelRow &row : Rows)
        if (command == QLatin1String(row.command) || command == QLatin1String(row.closeCommand))
            return &row;
    return nullptr;
}

} // namespace PanelRows
