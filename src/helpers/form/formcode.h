#pragma once

#include "helpers/frame/tagreading.h"

#include <QMap>
#include <QString>

#include <optional>

// The kinds of the form helper, in the panel's order; the values are the radios' ids.
enum class FormKind {
    NewForm,
    Hidden,
    Text,
    TextArea,
    Radio,
    Checkbox,
    ListBox,
    DropList,
    Reset,
    Password,
    Button,
    File,
    Image,
    Submit,
};

// What the form helper's fields say, as plain data.
struct FormFields
{
    std::optional<FormKind> kind; // none chosen: nothing to write
    int items = 1;
    bool maxOn = false; // "max length" (the other kinds use the number without a box)
    int max = 20;       // max length, # columns or # options
    int size = 20;      // size or # rows
    bool yesNo = false; // "get instead of post" or "multiple selection"
    QString group;      // the name radios, check boxes and lists share
    bool disabled = false, readonly = false, tabindex = false, accesskey = false;
    // Values of a read tag the panel writes empty for a new control: name, value, action,
    // method, src, align, tabindex, accesskey.
    QMap<QString, QString> values;
    QList<TagAttribute> others; // attributes of a read tag the panel does not know, kept
};

struct FormParts
{
    QString start; // the form's start part, or the controls, which replace the selection
    QString end;   // the form's end part; empty for controls
    QString tag;   // the one start tag, which replaces a tag being edited
};

namespace FormCode {

// At most this many controls or options.
inline constexpr int MaxItems = 1000;

// Whether the kind names its controls by the group name.
bool usesGroup(FormKind kind);
// The parts; nothing with no kind chosen.
std::optional<FormParts> build(const FormFields &fields);
// The fields of a FORM, INPUT (by its type), SELECT or TEXTAREA tag; nothing for another
// tag or an input type the panel does not build.
std::optional<FormFields> read(const FoundTag &tag);

} // namespace FormCode
