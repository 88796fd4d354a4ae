#include "ui/mainwindow.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quorbin"));
    resize(1200, 750);
}

MainWindow::~MainWindow() = default;
