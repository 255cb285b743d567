// The help viewer's window: a text browser with Contents, Back and Forward,
// taking its orders from the program that started it through standard
// input (see HelpViewerLink): "show URL" turns to that page and comes to
// the front, "quit" ends the viewer. The end of the input leaves it open.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QAction;
class QSocketNotifier;
class QTextBrowser;

class HelpViewerWindow : public QMainWindow {
public:
    HelpViewerWindow(const QUrl& contents, const QUrl& page, int commandFd);

    static constexpr const char* Title = "Vantor Help";

private:
    QUrl Contents;
    QTextBrowser* Browser;
    QAction* Back;
    QAction* Forward;
    QSocketNotifier* Commands = nullptr;
    int CommandFd;
    QByteArray Pending;

    void ReadCommands();
    void Obey(const QByteArray& line);
    void ShowPage(const QUrl& page);
    void NameWindow();
};
