// Runs one save so that a test can kill it at any moment:
//   robust_saver pack <dir> <package>
//   robust_saver update <package> [--delete <stored name>]... [--add <file>]...
// Prints "start" just before the save begins and "done <microseconds>" after it succeeded.

#include "archive/packagearchive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const auto usage = [&err] {
        err << "usage: robust_saver pack <dir> <package> | update <package> [--delete <name>]... "
               "[--add <file>]...\n";
        return 2;
    };
    if (args.size() < 2)
        return usage();

    const QString mode = args.at(0);
    QStringList deletions;
    QStringList additions;
    QString package;
    QString dir;
    if (mode == QLatin1String("pack") && args.size() == 3) {
        dir = args.at(1);
        package = args.at(2);
    } else if (mode == QLatin1String("update") && args.size() % 2 == 0) {
        package = args.at(1);
        for (int i = 2; i < args.size(); i += 2) {
            if (args.at(i) == QLatin1String("--delete"))
                deletions << args.at(i + 1);
            else if (args.at(i) == QLatin1String("--add"))
                additions << args.at(i + 1);
            else
                return usage();
        }
    } else {
        return usage();
    }

    PackageArchive archive(package);
    out << "start\n";
    out.flush();
    QElapsedTimer timer;
    timer.start();
    const bool ok =
        dir.isEmpty() ? archive.update(deletions, additions) : archive.packDirectory(dir);
    const qint64 micros = timer.nsecsElapsed() / 1000;
    if (!ok) {
        err << archive.errorString() << '\n';
        return 1;
    }
    out << "done " << micros << '\n';
    return 0;
}
