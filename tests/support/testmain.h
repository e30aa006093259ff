// A test program's main: the tests run as under QTEST_MAIN, then the process
// ends as the program itself does, without the sound library's exit handlers.
#pragma once

#include "platform/ende.h"

#include <QApplication>
#include <QTest>

#define BW_TEST_MAIN(TestObject)                                                                             \
    static int testsLaufen(int argc, char *argv[])                                                           \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }                                                                                                        \
    int main(int argc, char *argv[]) { platform::prozessEnde(testsLaufen(argc, argv)); }
