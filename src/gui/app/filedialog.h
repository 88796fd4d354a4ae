#pragma once

#include <QList>
#include <QString>

class QWidget;

// File-open dialogs go through here so tests can answer them without a dialog on screen.
class FileDialog final
{
public:
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                   const QString& filter);

    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                   const QString& filter);

    static QString getExistingDirectory(QWidget* parent, const QString& caption,
                                        const QString& dir);

    // Test seam: the next dialog is not shown and returns `path` (empty = cancelled).
    struct Asked
    {
        QString caption;
        QString dir;
        QString filter;
    };
    static void queueAnswer(const QString& path);
    static QList<Asked> takeAsked();
    static void reset();
};
