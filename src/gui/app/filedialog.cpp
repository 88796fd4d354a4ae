#include "app/filedialog.h"

#include <QFileDialog>

namespace {
QList<QString>& answers()
{
    static QList<QString> queue;
    return queue;
}

QList<FileDialog::Asked>& asked()
{
    static QList<FileDialog::Asked> list;
    return list;
}
} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    if (!answers().isEmpty()) {
        asked().append({caption, dir, filter});
        return answers().takeFirst();
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    if (!answers().isEmpty()) {
        asked().append({caption, dir, filter});
        return answers().takeFirst();
    }
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString FileDialog::getExistingDirectory(QWidget* parent, const QString& caption,
                                         const QString& dir)
{
    if (!answers().isEmpty()) {
        asked().append({caption, dir, QString()});
        return answers().takeFirst();
    }
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

void FileDialog::queueAnswer(const QString& path)
{
    answers().append(path);
}

QList<FileDialog::Asked> FileDialog::takeAsked()
{
    return std::exchange(asked(), {});
}

void FileDialog::reset()
{
    answers().clear();
    asked().clear();
}
