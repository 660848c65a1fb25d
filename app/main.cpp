#include "app/mainwindow.h"
#include "archive/text.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // The preview plays through FFmpeg, which the program reads media with
    // anyway; Qt's other backend shows no picture without a GPU.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("merovi-playlist-builder"));
    QApplication::setApplicationDisplayName(QStringLiteral("Merovi USB Playlist builder"));
    QApplication::setDesktopFileName(QStringLiteral("merovi-playlist-builder"));
    loadTranslations(&app);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("package"),
                                 QStringLiteral("A playlist package (.mrv) to open."),
                                 QStringLiteral("[package]"));
    parser.process(app);

    MainWindow window;
    window.show();
    // A file manager passes the package a user double-clicked.
    const QStringList packages = parser.positionalArguments();
    if (packages.size() == 1)
        window.openFile(packages.first());
    return app.exec();
}
