#include "helpers/form/formcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(FormFields)

// The form helper's controls, byte for byte, and form tags read back.
class TestFormCode : public QObject
{
    Q_OBJECT

    static FormFields kind(FormKind k, int items = 1)
    {
        FormFields f;
        f.kind = k;
        f.items = items;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<FormFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");

        FormFields form = kind(FormKind::NewForm);
        form.yesNo = true;
        QTest::newRow("form by get")
            << form << QStringLiteral("<FORM name=\"\" method=\"Get\" action=\"\">\n")
            << QStringLiteral("\n</FORM>");
        QTest::newRow("hidden") << kind(FormKind::Hidden)
                                << QStringLiteral("<INPUT name=\"\" type=\"hidden\" value=\"\">")
                                << QString();
        QTest::newRow("two text fields")
            << kind(FormKind::Text, 2)
            << QStringLiteral("<INPUT name=\"\" type=\"text\" size=\"20\" value=\"\">\n"
                              "<INPUT name=\"\" type=\"text\" size=\"20\" value=\"\">")
            << QString();
        FormFields password = kind(FormKind::Password);
        password.maxOn = true;
        password.max = 8;
        password.size = 10;
        password.tabindex = password.accesskey = password.disabled = password.readonly = true;
        QTest::newRow("password with every option")
            << password
            << QStringLiteral("<INPUT name=\"\" type=\"password\" maxlength=\"8\" size=\"10\" "
                              "tabindex=\"\" accesskey=\"\" disabled readonly value=\"\">")
            << QString();
        FormFields radio = kind(FormKind::Radio, 3);
        radio.group = QStringLiteral("size");
        const QString oneRadio = QStringLiteral("<INPUT name=\"size\" type=\"radio\" value=\"\">");
        QTest::newRow("three radios of a group")
            << radio << oneRadio + u'\n' + oneRadio + u'\n' + oneRadio << QString();
        FormFields checks = kind(FormKind::Checkbox, 2);
        checks.group = QStringLiteral("a \"b\"");
        QTest::newRow("check boxes: a blank before each break; a typed quote")
            << checks
            << QStringLiteral("<INPUT name='a \"b\"' type=\"checkbox\" value=\"\"> \n"
                              "<INPUT name='a \"b\"' type=\"checkbox\" value=\"\">")
            << QString();
        QTest::newRow("submit: two blanks")
            << kind(FormKind::Submit, 5)
            << QStringLiteral("<INPUT name=\"\" type=\"submit\"  value=\"\">") << QString();
        FormFields reset = kind(FormKind::Reset);
        reset.disabled = true;
        QTest::newRow("reset with an option")
            << reset << QStringLiteral("<INPUT name=\"\" type=\"reset\"  disabled value=\"\">")
            << QString();
        QTest::newRow("image")
            << kind(FormKind::Image)
            << QStringLiteral("<INPUT name=\"\" type=\"image\" src=\"\" align=\"\" value=\"\">")
            << QString();
        FormFields area = kind(FormKind::TextArea);
        area.max = 35;
        area.size = 7;
        QTest::newRow("text area")
            << area << QStringLiteral("<TEXTAREA name=\"\" cols=\"35\" rows=\"7\"></TEXTAREA>")
            << QString();
        FormFields list = kind(FormKind::ListBox, 4);
        list.max = 1;
        list.size = 3;
        list.yesNo = true;
        QTest::newRow("list box with one option")
            << list
            << QStringLiteral("<SELECT name=\"\" size=\"3\" multiple>\n\t<OPTION>\n</SELECT>")
            << QString();
        FormFields drop = kind(FormKind::DropList, 2);
        drop.max = 2;
        QTest::newRow("two drop lists: the blank before >")
            << drop
            << QStringLiteral("<SELECT name=\"\" size=\"1\" >\n\t<OPTION>\n\t<OPTION>\n</SELECT>\n"
                              "<SELECT name=\"\" size=\"1\" >\n\t<OPTION>\n\t<OPTION>\n</SELECT>")
            << QString();
        QTest::newRow("a file field")
            << kind(FormKind::File)
            << QStringLiteral("<INPUT name=\"\" type=\"file\" size=\"20\" value=\"\">")
            << QString();
    }
    void build()
    {
        QFETCH(FormFields, fields);
        const std::optional<FormParts> parts = FormCode::build(fields);
        QVERIFY(parts);
        QTEST(parts->start, "start");
        QTEST(parts->end, "end");
    }

    void nothingWithoutAKind() { QVERIFY(!FormCode::build(FormFields())); }

    void readBack_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("form keeps its name, action and method")
            << QStringLiteral("<form name=\"f\" action=\"/go\" method=\"dialog\" class=\"c\">")
            << QStringLiteral("<FORM name=\"f\" method=\"dialog\" action=\"/go\" class=\"c\">");
        QTest::newRow("input by type, values kept")
            << QStringLiteral("<input type=\"TEXT\" name=\"q\" value=\"Search\" maxlength=40 "
                              "size=\"abc\" tabindex=\"3\" disabled onfocus=\"x()\">")
            << QStringLiteral("<INPUT name=\"q\" type=\"text\" maxlength=\"40\" size=\"20\" "
                              "tabindex=\"3\" disabled value=\"Search\" size=\"abc\" "
                              "onfocus=\"x()\">");
        QTest::newRow("radio group")
            << QStringLiteral("<INPUT type=radio name=size value=\"m\" checked>")
            << QStringLiteral("<INPUT name=\"size\" type=\"radio\" value=\"m\" checked>");
        QTest::newRow("drop list") << QStringLiteral("<select name=\"s\" size=\"1\" data-x>")
                                   << QStringLiteral("<SELECT name=\"s\" size=\"1\"  data-x>");
        QTest::newRow("text area")
            << QStringLiteral("<textarea cols=\"50\" rows=\"4\" wrap=\"soft\">")
            << QStringLiteral("<TEXTAREA name=\"\" cols=\"50\" rows=\"4\" wrap=\"soft\">");
    }
    void readBack()
    {
        QFETCH(QString, tag);
        const std::optional<FoundTag> found = TagReading::parseWhole(tag);
        QVERIFY(found);
        const std::optional<FormFields> f = FormCode::read(*found);
        QVERIFY(f);
        const QString rebuilt = FormCode::build(*f)->tag;
        QTEST(rebuilt, "rebuilt");
        QCOMPARE(FormCode::build(*FormCode::read(*TagReading::parseWhole(rebuilt)))->tag, rebuilt);
        QVERIFY(!FormCode::read(*TagReading::parseWhole(QStringLiteral("<INPUT type=\"email\">"))));
    }
};

QTEST_APPLESS_MAIN(TestFormCode)
#include "tst_formcode.moc"
