#include "stderrcapture.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

StderrCapture::StderrCapture()
{
    file.open();
    std::fflush(stderr);
    savedFd = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    std::fflush(stderr);
    if (savedFd >= 0) {
        ::dup2(savedFd, STDERR_FILENO);
        ::close(savedFd);
    }
}

QByteArray StderrCapture::text() const
{
    std::fflush(stderr);
    QFile reader(file.fileName());
    if (!reader.open(QIODevice::ReadOnly))
        return {};
    return reader.readAll();
}

QList<QByteArray> StderrCapture::lines() const
{
    QList<QByteArray> out = text().split('\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}
