// Another process holding the library file's write lock: opens argv[1] with SQLite directly,
// takes the write lock, says "locked" on standard output, holds it for argv[2] ms while it adds a
// table of its own, and commits.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open())
        return 3;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")) ||
        !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS other_program(x)"))) {
        std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
        return 4;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(QByteArray(argv[2]).toULong());
    return query.exec(QStringLiteral("COMMIT")) ? 0 : 5;
}
