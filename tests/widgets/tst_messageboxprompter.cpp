#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

// The real message boxes, looked at while they are up and answered with keys.
class TestMessageBoxPrompter : public QObject
{
    Q_OBJECT

private:
    // Shows a box through the prompter, hands it to look() while it is up, then types key.
    static PromptAnswer showAndAnswer(PromptIcon icon, const QString &text, PromptButtons buttons,
                                      const std::function<void(QMessageBox *)> &look, Qt::Key key)
    {
        MessageBoxPrompter prompter;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            look(box);
            QTest::keyClick(box, key);
        });
        return prompter.ask(icon, text, buttons);
    }

private Q_SLOTS:
    void namesAreShownAsTheyAreNeverAsMarkup()
    {
        const QString name = "<h1><font color=red>Virus detected</font></h1>";
        showAndAnswer(
            PromptIcon::Information, name + " could not be opened", PromptButtons::Ok,
            [&](QMessageBox *box) {
                QCOMPARE(box->textFormat(), Qt::PlainText);
                auto *label = box->findChild<QLabel *>("qt_msgbox_label");
                QVERIFY(label);
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QCOMPARE(label->text(), name + " could not be opened");
            },
            Qt::Key_Return);
    }

    void longNamesAreCutInTheMiddle()
    {
        QStringList words;
        for (int i = 0; i < 1000; ++i)
            words << QStringLiteral("word%1").arg(i);
        const QString longName = "/home/user/" + QString(400, u'x') + "/page.htm";
        for (const QString &name : {words.join(u' '), longName}) {
            const QString text = name + " could not be opened";
            showAndAnswer(
                PromptIcon::Information, text, PromptButtons::Ok,
                [&](QMessageBox *box) {
                    auto *label = box->findChild<QLabel *>("qt_msgbox_label");
                    QVERIFY(label->text().contains(QChar(0x2026)));
                    QVERIFY(label->text().endsWith(" could not be opened"));
                    QVERIFY(label->text().startsWith(name.left(10)));
                    // The whole text stays at hand, and OK stays on the screen.
                    QCOMPARE(box->detailedText(), text);
                    box->adjustSize();
                    QVERIFY2(box->height() < 400, qPrintable(QString::number(box->height())));
                },
                Qt::Key_Return);
        }
    }

    void aQuestionThatLosesSomethingDefaultsToNo()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            const PromptAnswer answer = showAndAnswer(
                PromptIcon::Question, "Reload it and lose the changes made here?",
                PromptButtons::YesNoDefaultNo, [](QMessageBox *) {}, key);
            QCOMPARE(answer, PromptAnswer::No);
        }
        // An ordinary question keeps Yes as its default.
        QCOMPARE(showAndAnswer(
                     PromptIcon::Question, "Reload it?", PromptButtons::YesNo, [](QMessageBox *) {},
                     Qt::Key_Return),
                 PromptAnswer::Yes);
    }
};

QTEST_MAIN(TestMessageBoxPrompter)
#include "tst_messageboxprompter.moc"
