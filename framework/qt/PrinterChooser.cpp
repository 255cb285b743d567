#include "framework/qt/PrinterChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

PrinterChooser::PrinterChooser(const QStringList& names, const QString& current, QWidget* owner)
    : QDialog(owner), Names(new QComboBox(this))
{
    setWindowTitle("Printer");
    Names->addItems(names);
    // Room for a queue's usual name, as the print dialog's list has.
    Names->setMinimumContentsLength(30);
    Names->setCurrentIndex(std::max<int>(0, int(names.indexOf(current))));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    auto* label = new QLabel("&Name:", this);
    label->setBuddy(Names);
    layout->addRow(label, Names);
    layout->addRow(buttons);
}

QString PrinterChooser::Chosen() const { return Names->currentText(); }

std::optional<QString> PrinterChooser::Choose(const QStringList& names, const QString& current, QWidget* owner)
{
    PrinterChooser chooser(names, current, owner);
    if (chooser.exec() != QDialog::Accepted || chooser.Chosen().isEmpty())
        return std::nullopt;
    return chooser.Chosen();
}
