#include <QApplication>
#include <cstdio>

#include "app/MessageBoxSink.h"
#include "app/TessarkApp.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QString error;
    const std::optional<tessark::StartupOptions> options =
        tessark::ParseStartupArguments(QApplication::arguments(), error);
    if (!options) {
        std::fprintf(stderr, "tessark: %s\nusage: tessark [--data DIR] [MAP]\n", qPrintable(error));
        return 2;
    }
    tessark::MessageBoxSink messages;
    tessark::CTessarkApp app(messages);
    if (!app.InitInstance(*options)) {
        return 1;
    }
    return QApplication::exec();
}
