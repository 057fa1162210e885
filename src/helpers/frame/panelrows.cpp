#include "helpers/frame/panelrows.h"

#include "commands/commandids.h"
#include "help/helptopics.h"

#include <array>

namespace PanelRows {

namespace {

// clang-format off
constexpr std::array<PanelRow, 11> Rows{{
    {PanelId::Image, "ImageHelper", "Image Helper",     Keys::ImgTop,   Keys::ImgLeft,   &Keys::ImgWidth,  &Keys::ImgHeight,  116, Cmd::ImageHelper,  Cmd::ImageHelperClose,  true,  HelpTopic::ImageHelper},
    {PanelId::Document, "DocumentHelper",  "Docu helper",      Keys::DocuTop,  Keys::DocuLeft,  &Keys::DocuWidth, &Keys::DocuHeight, 170, Cmd::DocHelper,    Cmd::DocHelperClose,    true,  HelpTopic::DocumentHelper},
    {PanelId::Link, "LinkHelper",  "Link Helper",      Keys::LinkTop,  Keys::LinkLeft,  nullptr,          nullptr,            98, Cmd::LinkHelper,   Cmd::LinkHelperClose,   true,  HelpTopic::LinkHelper},
    {PanelId::Colour, "TlinkRoll1", "Color Helper",     Keys::ColorTop, Keys::ColorLeft, nullptr,          nullptr,           188, Cmd::ColorHelper,  Cmd::ColorHelperClose,  false, HelpTopic::ColourHelper},
    {PanelId::List, "ListHelper",  "List Helper",      Keys::ListTop,  Keys::ListLeft,  nullptr,          nullptr,           152, Cmd::ListHelper,   Cmd::ListHelperClose,   true,  HelpTopic::ListHelper},
    {PanelId::Table, "TableHelper",   "Table Helper",     Keys::TabTop,   Keys::TabLeft,   nullptr,          nullptr,           134, Cmd::TableHelper,  Cmd::TableHelperClose,  true,  HelpTopic::TableHelper},
    {PanelId::Frames, "Tframeroll", "Frames Helper",    Keys::FrameTop, Keys::FrameLeft, nullptr,          nullptr,           206, Cmd::FrameHelper,  Cmd::FrameHelperClose,  true,  HelpTopic::FrameHelper},
    {PanelId::Form, "TlinkRoll2", "Form Helper",      Keys::FormTop,  Keys::FormLeft,  nullptr,          nullptr,           170, Cmd::FormHelper,   Cmd::FormHelperClose,   false, HelpTopic::FormHelper},
    {PanelId::Font, "TfontRoll",  "Font Helper",      Keys::FontTop,  Keys::FontLeft,  nullptr,          nullptr,            80, Cmd::FontHelper,   Cmd::FontHelperClose,   false, HelpTopic::FontHelper},
    {PanelId::UserTags, "Tuserroll",  "User Tags Helper", Keys::UserTop,  Keys::UserLeft,  &Keys::UserWidth, &Keys::UserHeight, 206, Cmd::UserTags,     Cmd::UserTagsClose,     false, HelpTopic::UserTags},
    {PanelId::SpecialChars, "Tspecials",  "Special Chars",    Keys::CharsTop, Keys::CharsLeft, nullptr,          nullptr,           224, Cmd::SpecialChars, Cmd::SpecialCharsClose, false, HelpTopic::SpecialChars},
}};
// clang-format on

// The table is indexed by the id.
constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].id != PanelId(i))
            return false;
    return true;
}
static_assert(inIdOrder());

} // namespace

std::span<const PanelRow> all()
{
    return Rows;
}

const PanelRow &byId(PanelId id)
{
    return Rows[std::size_t(id)];
}

const PanelRow *byCommand(QStringView command)
{
    for (const PanelRow &row : Rows)
        if (command == QLatin1String(row.command) || command == QLatin1String(row.closeCommand))
            return &row;
    return nullptr;
}

} // namespace PanelRows
