#pragma once

#include "coretest.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>

// Each test program keeps its settings in a folder of its own, made before Qt starts.
void useOwnSettingsFolder();

// Replaces everything stored in the program's settings group with these values.
void resetStore(const QMap<QString, QString>& values = {});
// Stores these entries to flash one after the other in cycle order, solid, with this delay.
void storeSolidCycle(const QStringList& entries, int delayMs);
// Stores these entries to flash in cycle order as gradients, each into the next, with this
// delay: up and down, or else left to right.
void storeGradientCycle(const QStringList& entries, int delayMs, bool upAndDown = false);
// A stored value, or a null string when the key is absent.
QString storedValue(const QString& key);

// Sets up the settings folder and the offscreen platform, then runs the QtTest class.
#define CHROMAFLICK_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char* argv[]) {                                                             \
        useOwnSettingsFolder();                                                                    \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
