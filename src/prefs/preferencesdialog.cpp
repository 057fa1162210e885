#include "prefs/preferencesdialog.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "colours/colourcode.h"
#include "colours/systemcolours.h"
#include "files/filenamerules.h"
#include "help/helptopics.h"
#include "prefs/keyspage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

const QString HelperFilter = QStringLiteral("Program files|*.exe|Help Files|*.hlp|All files|*.*");

// Where each group sits on its page: grid row and column, spans, and how many columns of
// check boxes and radios it lays out inside.
struct GroupPlace
{
    PrefPage page;
    const char *group;
    int row;
    int column;
    int rowSpan;
    int columnSpan;
    int columns;
};

constexpr GroupPlace places[] = {
    {PrefPage::General, "", 0, 0, 1, 1, 1},
    {PrefPage::General, "Remember positions:", 1, 0, 1, 1, 2},
    {PrefPage::General, "Recent Files", 2, 0, 1, 1, 1},
    {PrefPage::General, "Open/Save Dialog Filters", 0, 1, 3, 1, 1},
    {PrefPage::Editor, "Layout", 0, 0, 1, 1, 1},
    {PrefPage::Editor, "", 1, 0, 1, 1, 1},
    {PrefPage::Editor, "Tag colours", 0, 1, 2, 1, 1},
    {PrefPage::Editor, "Tag letter case:", 2, 1, 1, 1, 1},
    {PrefPage::Quick1, "<TABLE>", 0, 0, 2, 1, 1},
    {PrefPage::Quick1, "<TR>", 0, 1, 1, 1, 1},
    {PrefPage::Quick1, "number to insert", 1, 1, 1, 1, 1},
    {PrefPage::Quick1, "<TD>", 0, 2, 2, 1, 1},
    {PrefPage::Quick1, "Your primary WWW browser is:", 2, 0, 1, 3, 2},
    {PrefPage::Quick1, "Your secondary WWW browser is:", 3, 0, 1, 3, 2},
    {PrefPage::Quick2, "Font", 0, 0, 1, 1, 1},
    {PrefPage::Quick2, "Link Target", 1, 0, 1, 1, 1},
    {PrefPage::Quick2, "Image", 0, 1, 2, 1, 1},
    {PrefPage::Quick2, "Form Items to Insert", 0, 2, 2, 1, 1},
    {PrefPage::Quick2, "Embedded Stylesheet", 2, 0, 1, 2, 2},
    {PrefPage::Quick2, "Lists", 2, 2, 1, 1, 2},
    {PrefPage::Quick3, "Frameset", 0, 0, 1, 1, 1},
    {PrefPage::Quick3, "Frame", 0, 1, 1, 1, 1},
    {PrefPage::Quick3, "Iframe", 0, 2, 1, 1, 1},
    {PrefPage::Locations, "Locations", 0, 0, 1, 1, 1},
    {PrefPage::HelperApps, "Helper programs", 0, 0, 1, 1, 1},
};

// The loose switches of the General and Editor pages in the order a reader expects; the
// table lists them in save order.
constexpr const char *switchOrder[] = {
    "comeback",      "htmlcheck",   "newcheck",   "blankdoccheck",  "flatbutcheck",
    "tabtopcheck",   "chkFullPath", "chkreopen",  "chkrecovery",    "autoindent",
    "popupcheck",    "ctrlbbox",    "ctrlibox",   "chkapostrophe",  "chkucasetags",
    "wordwrapcheck", "chkgutteron", "chkcurline", "chkspellcheckon"};

int switchRank(const PrefField &f)
{
    const auto *it = std::find_if(std::begin(switchOrder), std::end(switchOrder),
                                  [&f](const char *name) { return !std::strcmp(name, f.control); });
    return int(it - std::begin(switchOrder));
}

struct PageInfo
{
    PrefPage page;
    const char *title;
    int help;
};

constexpr PageInfo pages[PrefPageCount] = {
    {PrefPage::General, "General", HelpTopic::PrefsGeneral},
    {PrefPage::Editor, "Editor", HelpTopic::PrefsEditor},
    {PrefPage::Quick1, "Quick 1", HelpTopic::PrefsQuick1},
    {PrefPage::Quick2, "Quick 2", HelpTopic::PrefsQuick2},
    {PrefPage::Quick3, "Quick 3", HelpTopic::PrefsQuick3},
    {PrefPage::Locations, "Locations", HelpTopic::PrefsLocations},
    {PrefPage::HelperApps, "Helper Apps", HelpTopic::PrefsHelperApps},
};

bool isTick(PrefKind kind)
{
    return kind == PrefKind::TickedWhenSet || kind == PrefKind::TickedWhenEmpty ||
           kind == PrefKind::TickedWhenEquals || kind == PrefKind::Boolean;
}

bool flows(PrefKind kind)
{
    return isTick(kind) || kind == PrefKind::Choice;
}

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(28, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// A program path that stands in quotes as a whole, with nothing after it, loses them: the
// path with its blanks is the program all the same.
void unquoteWholePath(QLineEdit *edit)
{
    const QString text = edit->text();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"') &&
        text.indexOf(u'"', 1) == text.size() - 1)
        edit->setText(text.mid(1, text.size() - 2));
}

} // namespace

PreferencesDialog::PreferencesDialog(PreferencesHost host, QWidget *parent)
    : QDialog(parent), m_host(std::move(host)), m_store(m_host.settings)
{
    if (m_host.fileExists)
        m_store.setFileCheck(m_host.fileExists);
    if (!m_host.pickFile)
        m_host.pickFile = [this](const QString &title, const QString &folder,
                                 const QString &filter) {
            const QString qtFilter = FileNameRules::qtFilter(filter);
            // Programs here carry no extension: start with the list that shows them.
            QString selected = qtFilter.section(QStringLiteral(";;"), -1);
            return QFileDialog::getOpenFileName(this, title, folder, qtFilter, &selected);
        };
    if (!m_host.pickFolder)
        m_host.pickFolder = [this](const QString &title, const QString &folder) {
            return QFileDialog::getExistingDirectory(this, title, folder);
        };
    if (!m_host.pickColour)
        m_host.pickColour = [this](const QColor &current) {
            return QColorDialog::getColor(current, this);
        };
    FormCreate();
}

void PreferencesDialog::FormCreate()
{
    setObjectName(QStringLiteral("TabbedNotebookDlg"));
    setWindowTitle(QStringLiteral("Quillmark Preferences"));

    auto *layout = new QVBoxLayout(this);
    m_notebook = new QTabWidget(this);
    for (const PageInfo &p : pages) {
        QWidget *page = buildPage(p.page);
        page->setObjectName(QLatin1String(p.title));
        auto *help = new QPushButton(QStringLiteral("&Help"), page);
        help->setObjectName(QStringLiteral("help%1").arg(p.help));
        const int topic = p.help;
        help->setEnabled(static_cast<bool>(m_host.help));
        connect(help, &QPushButton::clicked, this, [this, topic] {
            if (m_host.help)
                m_host.help(topic);
        });
        auto *pageLayout = static_cast<QVBoxLayout *>(page->layout());
        auto *helpRow = new QHBoxLayout;
        helpRow->addStretch(1);
        helpRow->addWidget(help);
        pageLayout->addStretch(1);
        pageLayout->addLayout(helpRow);
        m_notebook->addTab(page, QLatin1String(p.title));
    }
    addKeysPage();
    layout->addWidget(m_notebook);

    auto *buttons = new QDialogButtonBox(this);
    auto *apply = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("apply"));
    auto *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("SpeedButton7"));
    auto *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    ok->setDefault(true);
    apply->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &PreferencesDialog::applyClick);
    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::SpeedButton7Click);
    connect(cancel, &QPushButton::clicked, this, &PreferencesDialog::CancelBtnClick);
    layout->addWidget(buttons);

    m_loaded = m_store.load();
    showValues(m_loaded);
    const QString data = m_store.existingDataFolder();
    if (!data.isEmpty() && m_host.dataFolder)
        m_host.dataFolder(data);
}

QWidget *PreferencesDialog::buildPage(PrefPage page)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    auto *grid = new QGridLayout;
    for (const GroupPlace &g : places)
        if (g.page == page)
            grid->addWidget(buildGroup(page, g.group, g.columns), g.row, g.column, g.rowSpan,
                            g.columnSpan, Qt::AlignTop);
    layout->addLayout(grid);
    if (page == PrefPage::HelperApps) {
        auto *note = new QLabel(QStringLiteral("NOTE: Each helper starts by its key, "
                                               "Ctrl+Shift+F2 to Ctrl+Shift+F8, or from the "
                                               "Helper Program menu."),
                                widget);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    return widget;
}

QWidget *PreferencesDialog::buildGroup(PrefPage page, const char *group, int columns)
{
    const QString title = QLatin1String(group);
    auto *box = new QGroupBox(title);
    if (title.isEmpty())
        box->setFlat(true);
    auto *outer = new QVBoxLayout(box);
    auto *rows = new QGridLayout;
    auto *flow = new QGridLayout;
    outer->addLayout(rows);
    outer->addLayout(flow);

    int row = 0;
    int cell = 0;
    const auto place = [&](QWidget *w) {
        flow->addWidget(w, cell / columns, cell % columns);
        ++cell;
    };
    if (page == PrefPage::Editor && title == QLatin1String("Tag colours")) {
        rows->addWidget(new QLabel(QStringLiteral("Text")), row, 1, Qt::AlignHCenter);
        rows->addWidget(new QLabel(QStringLiteral("Background")), row, 2, Qt::AlignHCenter);
        ++row;
    }
    std::vector<const PrefField *> members;
    for (const PrefField &f : PreferencesStore::fields())
        if (f.page == page && title == QLatin1String(f.group))
            members.push_back(&f);
    std::stable_sort(members.begin(), members.end(), [](const PrefField *a, const PrefField *b) {
        return switchRank(*a) < switchRank(*b);
    });
    bool hasTextFields = false;
    for (const PrefField *field : members) {
        const PrefField &f = *field;
        hasTextFields =
            hasTextFields || f.kind == PrefKind::Text || f.kind == PrefKind::ProgramPath;
        if (f.kind == PrefKind::ColourRow) {
            addColourRow(rows, row++, f);
        } else if (!flows(f.kind)) {
            addFullRow(rows, row++, f);
        } else if (isTick(f.kind)) {
            place(makeTick(f));
        } else {
            auto *radios = new QButtonGroup(box);
            radios->setObjectName(QLatin1String(f.control));
            for (std::size_t i = 0; i < f.choices.size(); ++i) {
                auto *radio = new QRadioButton(QLatin1String(f.choices[i].caption));
                radio->setObjectName(QLatin1String(f.choices[i].control));
                radios->addButton(radio, int(i));
                place(radio);
            }
            m_choices[QLatin1String(f.control)] = radios;
            connect(radios, &QButtonGroup::idClicked, this, [this, &f] { modeChosen(f); });
        }
    }
    // Text fields take the width; spin fields keep their labels beside them.
    rows->setColumnStretch(hasTextFields ? 1 : 3, 1);
    return box;
}

QWidget *PreferencesDialog::makeTick(const PrefField &f)
{
    auto *box = new QCheckBox(QLatin1String(f.caption));
    box->setObjectName(QLatin1String(f.control));
    m_ticks[QLatin1String(f.control)] = box;
    return box;
}

void PreferencesDialog::addFullRow(QGridLayout *grid, int row, const PrefField &f)
{
    const QString name = QLatin1String(f.control);
    QLabel *label = nullptr;
    if (*f.caption) {
        // A helper's row names the key that starts it.
        const bool helperKey = f.page == PrefPage::HelperApps && f.kind == PrefKind::ProgramPath;
        label = new QLabel((helperKey ? QStringLiteral("Ctrl+Shift+") : QString()) +
                           QLatin1String(f.caption));
        grid->addWidget(label, row, 0);
    }
    if (f.kind == PrefKind::Number) {
        auto *spin = new QSpinBox;
        spin->setObjectName(name);
        spin->setRange(f.lower, f.upper > 0 ? f.upper : std::numeric_limits<int>::max());
        spin->setMaximumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              40);
        if (label)
            label->setBuddy(spin);
        m_spins[name] = spin;
        grid->addWidget(spin, row, 1, Qt::AlignLeft);
        if (*f.text)
            grid->addWidget(new QLabel(QLatin1String(f.text)), row, 2);
        return;
    }
    if (f.kind == PrefKind::FilterList) {
        grid->addWidget(makeFilterGrid(), row, 0, 1, 3);
        return;
    }
    // A folder or a program: a text field with a button that picks one.
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(320);
    if (label)
        label->setBuddy(edit);
    m_edits[name] = edit;
    const bool browser = f.page == PrefPage::Quick1;
    auto *pick = new QPushButton(browser ? QStringLiteral("&Locate") : QStringLiteral("Browse..."));
    pick->setAutoDefault(false);
    m_pickButtons[name] = pick;
    grid->addWidget(edit, row, 1);
    grid->addWidget(pick, row, 2);
    if (browser) {
        const bool primary = name == QLatin1String("browsertext");
        pick->setObjectName(primary ? QStringLiteral("writebrows1")
                                    : QStringLiteral("writebrows2"));
        connect(pick, &QPushButton::clicked, this, [this, primary, name] {
            writebrows(name, primary ? Keys::Browser : Keys::Browser2);
        });
    } else if (f.kind == PrefKind::ProgramPath) {
        pick->setObjectName(name + QStringLiteral("browse"));
        const QString caption = QLatin1String(f.caption);
        connect(pick, &QPushButton::clicked, this, [this, edit, caption] {
            const QString chosen =
                m_host.pickFile(caption + QStringLiteral(" Helper"),
                                QFileInfo(edit->text()).absolutePath(), HelperFilter);
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });
        // Quotes typed around a program path with blanks stay, so that arguments can follow;
        // a whole path pasted in quotes, or left so, becomes plain.
        connect(edit, &QLineEdit::textChanged, this,
                [edit, before = QString()](const QString &text) mutable {
                    const bool pasted = text.size() - before.size() > 1;
                    before = text;
                    if (pasted)
                        unquoteWholePath(edit);
                });
        connect(edit, &QLineEdit::editingFinished, this, [edit] { unquoteWholePath(edit); });
    } else {
        pick->setObjectName(name + QStringLiteral("browse"));
        const QString caption = QLatin1String(f.caption);
        connect(pick, &QPushButton::clicked, this, [this, edit, caption] {
            const QString chosen = m_host.pickFolder(caption, edit->text());
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });
    }
}

void PreferencesDialog::addColourRow(QGridLayout *grid, int row, const PrefField &f)
{
    const QString name = QLatin1String(f.control);
    ColourRowWidgets w;
    w.box = new QCheckBox(QLatin1String(f.caption));
    w.box->setObjectName(name);
    w.text = new QPushButton;
    w.text->setObjectName(QLatin1String(f.textButton));
    w.back = new QPushButton;
    w.back->setObjectName(QLatin1String(f.backButton));
    for (QPushButton *b : {w.text, w.back}) {
        b->setAutoDefault(false);
        b->setIconSize(QSize(28, 12));
    }
    grid->addWidget(w.box, row, 0);
    grid->addWidget(w.text, row, 1);
    grid->addWidget(w.back, row, 2);
    m_colourRows[name] = w;
    connect(w.text, &QPushButton::clicked, this, [this, name] { chooseColour(name, false); });
    connect(w.back, &QPushButton::clicked, this, [this, name] { chooseColour(name, true); });
}

QWidget *PreferencesDialog::makeFilterGrid()
{
    auto *holder = new QWidget;
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    m_filters = new QTableWidget(0, 2, holder);
    m_filters->setObjectName(QStringLiteral("OSfilters"));
    m_filters->setHorizontalHeaderLabels(
        {QStringLiteral("Description"), QStringLiteral("File Specification")});
    m_filters->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_filters->setMinimumWidth(340);
    m_filters->verticalHeader()->setDefaultSectionSize(m_filters->fontMetrics().height() + 8);
    m_filters->setMinimumHeight(m_filters->fontMetrics().height() * 9 + 40);
    layout->addWidget(m_filters);
    auto *reset = new QPushButton(QStringLiteral("&Reset"), holder);
    reset->setObjectName(QStringLiteral("SpeedButton17"));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &PreferencesDialog::SpeedButton17Click);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(reset);
    layout->addLayout(row);
    return holder;
}

void PreferencesDialog::showFilters(const QList<FilterRow> &rows)
{
    m_filters->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        m_filters->setItem(i, 0, new QTableWidgetItem(rows[i].description));
        m_filters->setItem(i, 1, new QTableWidgetItem(rows[i].patterns));
    }
}

void PreferencesDialog::showValues(const PreferenceValues &v)
{
    for (auto it = m_ticks.cbegin(); it != m_ticks.cend(); ++it)
        it.value()->setChecked(v.ticks.value(it.key()));
    for (auto it = m_spins.cbegin(); it != m_spins.cend(); ++it)
        it.value()->setValue(v.numbers.value(it.key()));
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        it.value()->setText(v.texts.value(it.key()));
    for (auto it = m_choices.cbegin(); it != m_choices.cend(); ++it) {
        QButtonGroup *group = it.value();
        const int chosen = v.choices.value(it.key(), -1);
        // An exclusive group cannot show "none chosen" while a radio is checked.
        group->setExclusive(false);
        for (QAbstractButton *b : group->buttons())
            b->setChecked(group->id(b) == chosen);
        group->setExclusive(true);
        if (const PrefField *f = PreferencesStore::field(it.key()))
            modeChosen(*f);
    }
    for (auto it = m_colourRows.begin(); it != m_colourRows.end(); ++it) {
        const ColourRowValue row = v.colours.value(it.key());
        it->box->setChecked(row.on);
        it->textValue = row.text;
        it->backValue = row.back;
        showColour(it.key());
    }
    showFilters(v.filters);
}

PreferenceValues PreferencesDialog::values() const
{
    PreferenceValues v = m_loaded;
    for (auto it = m_ticks.cbegin(); it != m_ticks.cend(); ++it)
        v.ticks[it.key()] = it.value()->isChecked();
    for (auto it = m_spins.cbegin(); it != m_spins.cend(); ++it)
        v.numbers[it.key()] = it.value()->value();
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        v.texts[it.key()] = it.value()->text();
    for (auto it = m_choices.cbegin(); it != m_choices.cend(); ++it)
        v.choices[it.key()] = it.value()->checkedId();
    for (auto it = m_colourRows.cbegin(); it != m_colourRows.cend(); ++it)
        v.colours[it.key()] = ColourRowValue{it->box->isChecked(), it->textValue, it->backValue};
    v.filters.clear();
    for (int i = 0; i < m_filters->rowCount(); ++i) {
        const auto cell = [this, i](int column) {
            const QTableWidgetItem *item = m_filters->item(i, column);
            return item ? item->text() : QString();
        };
        v.filters << FilterRow{cell(0), cell(1)};
    }
    return v;
}

void PreferencesDialog::modeChosen(const PrefField &f)
{
    // "use file association" needs no program path.
    const QString path = QLatin1String(f.governs);
    if (path.isEmpty())
        return;
    const bool enabled = m_choices.value(QLatin1String(f.control))->checkedId() != 1;
    if (QLineEdit *edit = m_edits.value(path))
        edit->setEnabled(enabled);
    if (QPushButton *pick = m_pickButtons.value(path))
        pick->setEnabled(enabled);
}

void PreferencesDialog::writebrows(const QString &control, const TextKey &key)
{
    QLineEdit *edit = m_edits.value(control);
    const QString chosen = m_host.pickFile(
        control == QLatin1String("browsertext") ? QStringLiteral("Locate your primary browser")
                                                : QStringLiteral("Locate your secondary browser"),
        QFileInfo(edit->text()).absolutePath(), QStringLiteral("All files|*.*"));
    if (!chosen.isEmpty())
        m_host.settings.write(key, chosen);
    edit->setText(m_host.settings.read(key));
}

void PreferencesDialog::chooseColour(const QString &name, bool background)
{
    ColourRowWidgets &w = m_colourRows[name];
    int &value = background ? w.backValue : w.textValue;
    const QColor chosen = m_host.pickColour(storedColour(value, palette()));
    if (!chosen.isValid())
        return;
    value = ColourCode::encodeRgb(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()),
                                  std::uint8_t(chosen.blue()));
    if (!background)
        w.box->setChecked(true);
    showColour(name);
}

void PreferencesDialog::showColour(const QString &name)
{
    const ColourRowWidgets &w = m_colourRows[name];
    const auto real = [this](int stored, Qt::GlobalColor fallback) {
        const QColor c = storedColour(stored, palette());
        return c.isValid() ? c : QColor(fallback);
    };
    w.text->setIcon(swatch(real(w.textValue, Qt::black)));
    w.back->setIcon(swatch(real(w.backValue, Qt::white)));
}

void PreferencesDialog::SpeedButton17Click()
{
    showFilters(PreferencesStore::resetFilters());
}

void PreferencesDialog::addKeysPage()
{
    m_keysPage = new KeysPage(KeyMap::read(m_host.settings));
    m_keysPage->setObjectName(QStringLiteral("Keys"));
    auto *help = new QPushButton(QStringLiteral("&Help"), m_keysPage);
    help->setObjectName(QStringLiteral("help%1").arg(HelpTopic::Keys));
    help->setEnabled(static_cast<bool>(m_host.help));
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_host.help)
            m_host.help(HelpTopic::Keys);
    });
    auto *helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(help);
    static_cast<QVBoxLayout *>(m_keysPage->layout())->addLayout(helpRow);
    m_notebook->addTab(m_keysPage, QStringLiteral("Keys"));
}

// A key two commands hold would run neither: nothing is saved until each has one holder.
bool PreferencesDialog::keysAreFree()
{
    const QString conflict = m_keysPage->conflictMessage();
    if (conflict.isEmpty())
        return true;
    m_notebook->setCurrentWidget(m_keysPage);
    m_host.prompter.inform(conflict);
    return false;
}

bool PreferencesDialog::OKdone()
{
    if (!keysAreFree())
        return false;
    const PreferencesStore::SaveResult result = m_store.save(values());
    if (m_keysPage->keys() != KeyMap::read(m_host.settings))
        m_keysPage->keys().write(m_host.settings);
    // What was written counts at once, also when the save stopped at a field.
    m_host.settings.announceApplied();
    if (!result.ok()) {
        // Show the field at fault so that it can be corrected at once.
        if (QLineEdit *edit = m_edits.value(result.control)) {
            for (int i = 0; i < m_notebook->count(); ++i)
                if (m_notebook->widget(i)->isAncestorOf(edit))
                    m_notebook->setCurrentIndex(i);
            edit->setFocus();
        }
        m_host.prompter.inform(result.message);
        return false;
    }
    return true;
}

void PreferencesDialog::applyClick()
{
    OKdone();
}

void PreferencesDialog::SpeedButton7Click()
{
    if (OKdone())
        accept();
}

void PreferencesDialog::CancelBtnClick()
{
    reject();
}

PreferencesDialog *PreferencesDialog::showFor(PreferencesHost host, QWidget *parent)
{
    auto *dialog = new PreferencesDialog(std::move(host), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    const QRect screen = dialog->screen()->availableGeometry();
    dialog->move(screen.center() - dialog->frameGeometry().center() + dialog->pos());
    return dialog;
}
