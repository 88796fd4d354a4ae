#pragma once

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, with the application's names set as the program sets them, so the settings
// store and the application-data folder resolve the same way.
#define VELMORA_TEST_MAIN(TestClass) VELMORA_TEST_MAIN_AFTER(TestClass, (void)0)

// The same, running `firstStatement` before anything else (for switches read once per process,
// such as VELMORA_NET_DEBUG).
#define VELMORA_TEST_MAIN_AFTER(TestClass, firstStatement)                                         \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        firstStatement;                                                                            \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Velmora Player"));                        \
        QApplication::setOrganizationName(QStringLiteral("Velmora"));                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
