// The small "Printer" dialog that the page set-up dialog's "Printer..."
// button opens: the print queues in a list, the current one selected.
#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;

class PrinterChooser : public QDialog {
public:
    PrinterChooser(const QStringList& names, const QString& current, QWidget* owner);

    QString Chosen() const;

    // Runs the dialog modally: the printer chosen, or nothing on Cancel.
    static std::optional<QString> Choose(const QStringList& names, const QString& current, QWidget* owner);

private:
    QComboBox* Names;
};
