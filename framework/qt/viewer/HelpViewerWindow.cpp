#include "framework/qt/viewer/HelpViewerWindow.h"

#include <QAction>
#include <QApplication>
#include <QSocketNotifier>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

#include <unistd.h>

namespace {

constexpr int StartWidth = 640;
constexpr int StartHeight = 520;

}  // namespace

HelpViewerWindow::HelpViewerWindow(const QUrl& contents, const QUrl& page, int commandFd)
    : Contents(contents), Browser(new QTextBrowser(this)), CommandFd(commandFd)
{
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("Contents"));
    Back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"));
    Forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"));
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    Back->setShortcut(QKeySequence::Back);
    Forward->setShortcut(QKeySequence::Forward);
    Back->setEnabled(false);
    Forward->setEnabled(false);
    connect(home, &QAction::triggered, this, [this] { ShowPage(Contents); });
    connect(Back, &QAction::triggered, Browser, &QTextBrowser::backward);
    connect(Forward, &QAction::triggered, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, Back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, Forward, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::NameWindow);

    Browser->setOpenExternalLinks(true);
    setCentralWidget(Browser);
    resize(StartWidth, StartHeight);
    Browser->setSource(page.isEmpty() ? contents : page);
    NameWindow();

    if (CommandFd >= 0) {
        Commands = new QSocketNotifier(CommandFd, QSocketNotifier::Read, this);
        connect(Commands, &QSocketNotifier::activated, this, &HelpViewerWindow::ReadCommands);
    }
}

void HelpViewerWindow::ReadCommands()
{
    char buffer[4096];
    const ssize_t n = read(CommandFd, buffer, sizeof buffer);
    if (n <= 0) {
        // The program that started the viewer is gone: the viewer stays.
        Commands->setEnabled(false);
        return;
    }
    Pending.append(buffer, qsizetype(n));
    for (qsizetype end; (end = Pending.indexOf('\n')) >= 0;) {
        const QByteArray line = Pending.left(end);
        Pending.remove(0, end + 1);
        Obey(line);
    }
}

void HelpViewerWindow::Obey(const QByteArray& line)
{
    if (line == "quit") {
        QApplication::quit();
        return;
    }
    if (line.startsWith("show "))
        ShowPage(QUrl::fromEncoded(line.mid(5)));
}

void HelpViewerWindow::ShowPage(const QUrl& page)
{
    if (page.isValid() && page != Browser->source())
        Browser->setSource(page);
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void HelpViewerWindow::NameWindow()
{
    const QString page = Browser->documentTitle();
    setWindowTitle(page.isEmpty() ? QString::fromLatin1(Title) : page + QStringLiteral(" - ") + QString::fromLatin1(Title));
}
