#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// Captures everything written to file descriptor 2 (standard error) while it exists.
class StderrCapture final
{
public:
    StderrCapture();
    ~StderrCapture();

    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Everything captured so far (the capture goes on).
    QByteArray text() const;
    QList<QByteArray> lines() const;

private:
    QTemporaryFile file;
    int savedFd = -1;
};
