#include "GalleryWindow.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QFile>
#include <QtWidgets/QApplication>

#include <cstdio>

namespace {

void ApplyTheme(QApplication& app)
{
    QFile file(QStringLiteral(":/gallery/orva-dark.qss"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        app.setStyleSheet(QString::fromUtf8(file.readAll()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orva-gallery"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every control of OrvaGUIToolkit."));
    parser.addHelpOption();
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
        QStringLiteral("Render every page to DIR/<page>.png and exit."), QStringLiteral("DIR"));
    parser.addOption(screenshotOption);
    parser.process(app);

    ApplyTheme(app);
    GalleryWindow window;
    if (parser.isSet(screenshotOption)) {
        window.show();
        const QString strDir = parser.value(screenshotOption);
        if (!window.SaveScreenshots(strDir)) {
            std::fprintf(stderr, "orva-gallery: cannot write screenshots to %s\n", qPrintable(strDir));
            return 1;
        }
        std::printf("orva-gallery: %d pages written to %s\n", window.PageCount(), qPrintable(strDir));
        return 0;
    }
    window.show();
    return app.exec();
}
