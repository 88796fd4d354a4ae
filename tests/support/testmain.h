#pragma once

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, with the application's names set as the program sets them, so the settings
// store and the application-data folder resolve the same way.
#define VELMORA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Velmora Player"));                       \
        QApplication::setOrganizationName(QStringLiteral("Velmora"));                             \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
