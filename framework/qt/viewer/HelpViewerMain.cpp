// vantor-help: the help viewer. Arguments: the contents page and the page
// to show, as encoded file URLs; standard input carries further orders.
#include "framework/qt/viewer/HelpViewerWindow.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantor-help"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;
    const QUrl contents = QUrl::fromEncoded(args[1].toUtf8());
    const QUrl page = args.size() > 2 ? QUrl::fromEncoded(args[2].toUtf8()) : contents;
    // A terminal as input carries no orders.
    HelpViewerWindow window(contents, page, isatty(STDIN_FILENO) ? -1 : STDIN_FILENO);
    window.show();
    return QApplication::exec();
}
