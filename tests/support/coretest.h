#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTest>
#include <cstdint>

// The separator the stored list is written with, spelled out here rather than taken from the
// program, so that a change to the stored format shows in the suites.
inline const QString StoredSeparator = QStringLiteral("||MySeparator123||");

// A color value 0x00BBGGRR from its channels.
inline std::int32_t rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

// Writes a whole file; whether it was written.
inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a QtTest class of the engine: no windows, no display, no settings folder.
#define CHROMAFLICK_CORE_TEST_MAIN(TestClass)                                                      \
    int main(int argc, char* argv[]) {                                                             \
        QCoreApplication application(argc, argv);                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
