// The stored form of the custom tags: how a value reads back, and which fields may be saved.
#include "customtags/customtags.h"

#include <QtTest>

class TestCustomTags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Values read back as written, whichever way they were split; a capital B without a
    // separator is a single element's own first letter.
    void valuesReadBack()
    {
        struct Row
        {
            QString value, single, start, end;
        };
        const QString longBlock = "B" + QString(400, u'a') + "KVARN" + QString(350, u'z');
        const Row rows[] = {
            {"<br>", "<br>", "", ""},
            {"B<b>KVARN</b>", "", "<b>", "</b>"},
            {"B<q>KVARN</q>KVARN", "", "<q>", "</q>KVARN"},
            {"BKVARN</b>", "", "", "</b>"},
            {"bold", "bold", "", ""},
            {"Best wishes", "Best wishes", "", ""},
            {longBlock, "", QString(400, u'a'), QString(350, u'z')},
        };
        for (const Row &row : rows) {
            const CustomTag tag = CustomTag::fromStored(row.value);
            QCOMPARE(tag.kind == CustomTag::Kind::Single, !row.single.isEmpty());
            QCOMPARE(tag.single, row.single);
            QCOMPARE(tag.start, row.start);
            QCOMPARE(tag.end, row.end);
            QCOMPARE(tag.stored(), row.value);
        }
        // A new slot opens as an empty block.
        QCOMPARE(CustomTag::fromStored(QString()).kind, CustomTag::Kind::Block);
    }

    // What may not be saved says why; what may be saved reads back as it was typed.
    void savingChecksTheFields()
    {
        struct Row
        {
            bool single;
            QString first, second, hint, refusal;
        };
        const QString both = "Block Element tags require text in both tag fields.";
        const Row rows[] = {
            {true, "<hr>", "", "",
             "This entry cannot be saved without a Menu Caption/Button Hint."},
            {false, "<b>", "", "Bold", both},
            {false, "", "</b>", "Bold", both},
            {true, "", "", "Rule", "Single Element tags require text in the tag field."},
            {false, "<aKVARN>", "</a>", "A", "The start tag cannot contain the letters KVARN."},
            {true, "BKVARNx", "", "X",
             "A Single Element tag that begins with a capital B cannot contain the letters "
             "KVARN."},
            {true, "Best wishes", "", "Sign", ""},
            {false, "<q>", "KVARN</q>", "Q", ""},
        };
        for (const Row &row : rows) {
            CustomTag tag;
            tag.kind = row.single ? CustomTag::Kind::Single : CustomTag::Kind::Block;
            (row.single ? tag.single : tag.start) = row.first;
            tag.end = row.second;
            QCOMPARE(CustomTags::check(tag, row.hint), row.refusal);
            if (!row.refusal.isEmpty())
                continue;
            const CustomTag back = CustomTag::fromStored(tag.stored());
            QCOMPARE(back.kind, tag.kind);
            QCOMPARE(back.single + back.start + back.end, row.first + row.second);
        }
    }
};

QTEST_GUILESS_MAIN(TestCustomTags)
#include "tst_customtags.moc"
