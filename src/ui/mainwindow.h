#pragma once

#include <QMainWindow>

// The application's only window. It owns every other object for the life of the process.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;
};
