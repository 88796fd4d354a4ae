#include "app/theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

QPalette Theme::palette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x1e, 0x20, 0x26));
    p.setColor(QPalette::WindowText, QColor(0xe2, 0xe4, 0xe9));
    p.setColor(QPalette::Base, QColor(0x26, 0x28, 0x30));
    p.setColor(QPalette::AlternateBase, QColor(0x2e, 0x30, 0x3a));
    p.setColor(QPalette::ToolTipBase, QColor(0x2e, 0x30, 0x3a));
    p.setColor(QPalette::ToolTipText, QColor(0xe2, 0xe4, 0xe9));
    p.setColor(QPalette::Text, QColor(0xe2, 0xe4, 0xe9));
    p.setColor(QPalette::Button, QColor(0x2e, 0x30, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xe2, 0xe4, 0xe9));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(0x3b, 0x82, 0xf6));
    p.setColor(QPalette::Highlight, QColor(0x3b, 0x82, 0xf6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x94, 0x98, 0xa3));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x94, 0x98, 0xa3));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x94, 0x98, 0xa3));
    return p;
}

QString Theme::styleSheet()
{
    return QStringLiteral(R"(
        QWidget {
            font-size: 13px;
        }

        QMainWindow, QDialog {
            background-color: #1e2026;
        }

        QLabel {
            color: #e2e4e9;
        }

        QLabel#mutedLabel {
            color: #9498a3;
        }

        QPushButton {
            background-color: #2e303a;
            color: #e2e4e9;
            border: 1px solid #3a3d49;
            border-radius: 6px;
            padding: 6px 14px;
        }

        QPushButton:hover {
            background-color: #383b47;
            border-color: #4a4e5c;
        }

        QPushButton:pressed {
            background-color: #26282f;
        }

        QPushButton:disabled {
            color: #6b6f7a;
            background-color: #26282f;
        }

        QPushButton#accentButton {
            background-color: #3b82f6;
            border-color: #3b82f6;
            color: white;
            font-weight: 600;
        }

        QPushButton#accentButton:hover {
            background-color: #5b93f7;
        }

        QPushButton#accentButton:pressed {
            background-color: #2f6bd1;
        }

        QLineEdit, QComboBox, QPlainTextEdit {
            background-color: #262832;
            color: #e2e4e9;
            border: 1px solid #3a3d49;
            border-radius: 6px;
            padding: 5px 8px;
            selection-background-color: #3b82f6;
        }

        QLineEdit:focus, QComboBox:focus, QPlainTextEdit:focus {
            border: 1px solid #3b82f6;
        }

        QComboBox::drop-down {
            border: none;
            width: 22px;
        }

        QComboBox QAbstractItemView {
            background-color: #262832;
            color: #e2e4e9;
            border: 1px solid #3a3d49;
            selection-background-color: #3b82f6;
            outline: none;
        }

        QTabWidget::pane {
            border: 1px solid #33353f;
            border-radius: 8px;
            top: -1px;
            background-color: #23252d;
        }

        QTabBar::tab {
            background-color: transparent;
            color: #9498a3;
            padding: 8px 18px;
            margin-right: 2px;
            border-top-left-radius: 6px;
            border-top-right-radius: 6px;
        }

        QTabBar::tab:selected {
            color: #e2e4e9;
            background-color: #23252d;
            border-bottom: 2px solid #3b82f6;
        }

        QTabBar::tab:hover:!selected {
            color: #e2e4e9;
            background-color: #2a2c35;
        }

        QListWidget, QTableWidget {
            background-color: #23252d;
            color: #e2e4e9;
            border: 1px solid #33353f;
            border-radius: 8px;
            outline: none;
            gridline-color: #33353f;
            alternate-background-color: #262832;
        }

        QListWidget::item {
            padding: 8px 10px;
            border-radius: 6px;
        }

        QListWidget::item:hover {
            background-color: #2a2c35;
        }

        QListWidget::item:selected {
            background-color: #3b82f6;
            color: white;
        }

        QTableWidget::item {
            padding: 4px 6px;
        }

        QTableWidget::item:selected {
            background-color: #3b82f6;
            color: white;
        }

        QHeaderView::section {
            background-color: #262832;
            color: #9498a3;
            border: none;
            border-bottom: 1px solid #33353f;
            padding: 6px 8px;
        }

        QSlider::groove:horizontal {
            height: 4px;
            background: #33353f;
            border-radius: 2px;
        }

        QSlider::sub-page:horizontal {
            background: #3b82f6;
            border-radius: 2px;
        }

        QSlider::handle:horizontal {
            background: #e2e4e9;
            width: 14px;
            height: 14px;
            margin: -6px 0;
            border-radius: 7px;
        }

        QSlider::handle:horizontal:hover {
            background: #ffffff;
        }

        QScrollBar:vertical {
            background: transparent;
            width: 10px;
            margin: 0;
        }

        QScrollBar::handle:vertical {
            background: #3a3d49;
            border-radius: 5px;
            min-height: 24px;
        }

        QScrollBar::handle:vertical:hover {
            background: #4a4e5c;
        }

        QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
            height: 0;
        }

        QScrollBar:horizontal {
            background: transparent;
            height: 10px;
            margin: 0;
        }

        QScrollBar::handle:horizontal {
            background: #3a3d49;
            border-radius: 5px;
            min-width: 24px;
        }

        QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal {
            width: 0;
        }
    )");
}

void Theme::apply(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette());
    app.setStyleSheet(styleSheet());
}
