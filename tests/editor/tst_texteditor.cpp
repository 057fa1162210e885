#include <QtTest>
class TestTextEditor : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestTextEditor)
#include "tst_texteditor.moc"
