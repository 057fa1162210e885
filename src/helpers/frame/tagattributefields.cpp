#include "helpers/frame/tagattributefields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TagAttributeFields::TagAttributeFields(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tagattributes"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    int i = 0;
    for (const char *name : {"class", "id", "style", "title"}) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name) + QStringLiteral("edit"));
        edit->setToolTip(QStringLiteral("Written only when filled"));
        // The fields share the panel's width, whatever a long value would ask for.
        edit->setMinimumWidth(20);
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        auto *label = new QLabel(QLatin1String(name), this);
        label->setBuddy(edit);
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(edit, i / 2, (i % 2) * 2 + 1);
        connect(edit, &QLineEdit::textEdited, this, &TagAttributeFields::edited);
        m_fields.append({name, edit});
        ++i;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QLineEdit *TagAttributeFields::field(const char *name) const
{
    for (const Field &f : m_fields)
        if (qstrcmp(f.name, name) == 0)
            return f.edit;
    return nullptr;
}

void TagAttributeFields::read(const FoundTag &tag)
{
    for (const Field &f : m_fields) {
        const TagAttribute *a = tag.attribute(QLatin1String(f.name));
        f.edit->setText(a ? a->value : QString());
    }
}

void TagAttributeFields::clear()
{
    for (const Field &f : m_fields)
        f.edit->clear();
}

QList<TagAttribute> TagAttributeFields::merged(QList<TagAttribute> others) const
{
    for (const Field &f : m_fields) {
        const QString value = f.edit->text();
        const auto same = [&f](const TagAttribute &a) {
            return a.name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0;
        };
        const auto at = std::find_if(others.begin(), others.end(), same);
        if (value.isEmpty()) {
            others.removeIf(same);
            continue;
        }
        if (at != others.end() && at->hasValue && at->value == value)
            continue;
        TagAttribute built;
        built.name = QLatin1String(f.name);
        built.value = value;
        built.hasValue = true;
        built.text = TagAttribute::build(built.name, value).mid(1);
        built.quote = built.text.at(built.name.size() + 1);
        if (at != others.end())
            *at = built;
        else
            others.append(built);
    }
    return others;
}
