// The Qt layer under test: the program's platform context, the toolkit's
// clipboard, and the user acting in a pop-up menu while it runs its loop.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Platform.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/support/ScratchDir.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

namespace {

int Argc = 1;
char Name[] = "conformance_qt";
char* Argv[] = {Name, nullptr};

TLayerUnderTest::TShownMenu Describe(const QMenu& menu)
{
    TLayerUnderTest::TShownMenu shown{{menu.pos().x(), menu.pos().y()}, {}};
    for (const QAction* action : menu.actions())
        shown.Items.push_back({action->isSeparator() ? std::string() : action->text().toStdString(),
                               !action->isSeparator() && action->isEnabled(), action->isChecked()});
    return shown;
}

}  // namespace

struct TLayerUnderTest::TImpl {
    TShownMenu Last;
    TScratchDir Scratch;

    // Waits for the menu to open, then records it and answers.
    void Answer(unsigned id, int triesLeft)
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (triesLeft > 0)
                QTimer::singleShot(10, [this, id, triesLeft] { Answer(id, triesLeft - 1); });
            return;
        }
        Last = Describe(*menu);
        for (QAction* action : menu->actions())
            if (id != 0 && !action->isSeparator() && action->data().toUInt() == id)
                action->trigger();  // does nothing when the item is greyed
        menu->close();
    }
};

TLayerUnderTest::TLayerUnderTest() : Impl(std::make_unique<TImpl>()) { Platform::Initialise(Argc, Argv); }

TLayerUnderTest::~TLayerUnderTest() = default;

void TLayerUnderTest::DispatchPosted() { QCoreApplication::processEvents(); }

void TLayerUnderTest::PutImageOnClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(QImage(8, 8, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TLayerUnderTest::AnswerNextPopupMenu(unsigned id)
{
    QTimer::singleShot(0, [impl = Impl.get(), id] { impl->Answer(id, 500); });
}

TLayerUnderTest::TShownMenu TLayerUnderTest::LastPopupMenu() const { return Impl->Last; }

void TLayerUnderTest::PrintIntoScratch(TPrinter& printer)
{
    QPrinter& device = QtTestAccess::Printer(printer);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(Impl->Scratch.PathOf("printed.pdf")));
}

void TLayerUnderTest::AnswerNextPrintDialog(bool print)
{
    QTimer::singleShot(0, [print] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            print ? dialog->accept() : dialog->reject();
    });
}

// The page objects of the PDF file the toolkit wrote.
int TLayerUnderTest::PrintedPages() const
{
    QFile file(QString::fromStdString(Impl->Scratch.PathOf("printed.pdf")));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString pdf = QString::fromLatin1(file.readAll());
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}
