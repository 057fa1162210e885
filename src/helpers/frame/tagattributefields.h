#pragma once

#include "helpers/frame/tagreading.h"

#include <QWidget>

class QLineEdit;

// The attributes every start tag may carry, typed by the user: class, id, style and title.
// Each is written only when filled, in the place it had in a tag read back; an attribute the
// user leaves as read keeps its written form. Owned by its panel's frame.
class TagAttributeFields : public QWidget
{
    Q_OBJECT

public:
    explicit TagAttributeFields(QWidget *parent = nullptr);

    QLineEdit *field(const char *name) const;
    // Takes the four values from a tag (empty where it has none).
    void read(const FoundTag &tag);
    void clear();
    // The kept attributes of a tag with the four fields' values put in: replaced in place,
    // dropped when emptied, appended when new.
    QList<TagAttribute> merged(QList<TagAttribute> others) const;

Q_SIGNALS:
    // The user typed in a field.
    void edited();

private:
    struct Field
    {
        const char *name;
        QLineEdit *edit;
    };
    QList<Field> m_fields;
};
