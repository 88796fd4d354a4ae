#pragma once

#include "testtime.h"

#include <QTest>

// Tests of windows and dialogs (velmora_add_test's GUI) get a QApplication, tests that paint
// images (PAINTS) a QGuiApplication, and the widget-free ones a QCoreApplication.
#if defined(VELMORA_TEST_WIDGETS)
#include <QApplication>
using VelmoraTestApplication = QApplication;
#elif defined(VELMORA_TEST_PAINTS)
#include <QGuiApplication>
using VelmoraTestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using VelmoraTestApplication = QCoreApplication;
#endif

// Like QTEST_MAIN, with the application's names set as the program sets them, so the settings
// store and the application-data folder resolve the same way.
#define VELMORA_TEST_MAIN(TestClass) VELMORA_TEST_MAIN_AFTER(TestClass, (void)0)

// The same, running `firstStatement` before anything else (for switches read once per process,
// such as VELMORA_NET_DEBUG).
#define VELMORA_TEST_MAIN_AFTER(TestClass, firstStatement)                                         \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        firstStatement;                                                                            \
        VelmoraTestApplication app(argc, argv);                                                    \
        QCoreApplication::setApplicationName(QStringLiteral("Velmora Player"));                    \
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));                          \
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);                                     \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
