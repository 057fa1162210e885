#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace TestFiles {

// Writes the bytes to the file, making its folders; fails the test when it cannot.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY2(QDir().mkpath(QFileInfo(path).absolutePath()), qPrintable(path));
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(f.errorString()));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace TestFiles
