#include "customtags/customtagcommands.h"

#include "base/modifiersource.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "customtags/customtageditor.h"
#include "customtags/customtags.h"
#include "editor/texteditor.h"
#include "markup/tagcontroller.h"

#include <QAction>
#include <QMenu>

namespace {

const char *const SlotCommands[CustomTags::Count] = {
    Cmd::Custom11Click,  Cmd::Custom21Click,  Cmd::Custom31Click,  Cmd::Custom41Click,
    Cmd::Custom51Click,  Cmd::Custom61Click,  Cmd::Custom71Click,  Cmd::Custom81Click,
    Cmd::Custom91Click,  Cmd::Custom101Click, Cmd::Custom111Click, Cmd::Custom121Click,
    Cmd::Custom131Click, Cmd::Custom141Click, Cmd::Custom151Click, Cmd::Custom161Click,
    Cmd::Custom171Click, Cmd::Custom181Click, Cmd::Custom191Click, Cmd::Custom201Click};

} // namespace

CustomTagCommands::CustomTagCommands(SettingsFile &settings, Prompter &prompter,
                                     const ModifierSource &keyboard, TagController &tags,
                                     QWidget *window)
    : QObject(window), m_settings(settings), m_prompter(prompter), m_keyboard(keyboard),
      m_tags(tags), m_window(window)
{
}

void CustomTagCommands::registerHandlers(CommandActions &commands)
{
    m_commands = &commands;
    for (int slot = 1; slot <= CustomTags::Count; ++slot)
        commands.setHandler(QLatin1String(SlotCommands[slot - 1]),
                            [this, slot] { CustomCodes(slot); });
    Custom2Click();
}

void CustomTagCommands::watchMenu(QMenu *menu)
{
    if (menu)
        connect(menu, &QMenu::aboutToShow, this, &CustomTagCommands::Custom2Click);
}

void CustomTagCommands::CustomCodes(int slot)
{
    TextEditor *doc = m_tags.activeEditor();
    if (!doc || !CustomTags::validSlot(slot))
        return;
    const CustomTag tag = CustomTags::tag(m_settings, slot);
    if (tag.isEmpty() || m_keyboard.shift()) {
        openEditor(slot);
        return;
    }
    if (tag.kind == CustomTag::Kind::Block) {
        m_tags.wraptag(tag.start, tag.end);
        return;
    }
    // A single element goes in as written, without the tag case and quote settings.
    doc->replaceSelection(tag.single);
    doc->ensureCaretVisible();
}

void CustomTagCommands::Custom2Click()
{
    if (!m_commands)
        return;
    for (int slot = 1; slot <= CustomTags::Count; ++slot) {
        const std::optional<QString> hint = CustomTags::hint(m_settings, slot);
        if (!hint)
            continue;
        if (QAction *action = m_commands->action(QLatin1String(SlotCommands[slot - 1])))
            action->setText(CustomTags::caption(*hint));
    }
}

CustomTagEditor *CustomTagCommands::openEditor(int slot)
{
    CustomTags::setAdding(m_settings, slot);
    auto *editor = new CustomTagEditor(slot, m_settings, m_prompter, m_window);
    connect(editor, &CustomTagEditor::changed, this, [this] {
        Custom2Click();
        Q_EMIT changed();
    });
    editor->show();
    editor->activateWindow();
    return editor;
}
