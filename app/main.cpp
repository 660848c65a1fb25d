#include "app/mainwindow.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file-size limit must fail a write with an error, not kill the process
    // halfway through a package and leave a temporary file behind.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
