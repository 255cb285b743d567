// A dialog template as a modal QDialog: each control placed at its
// rectangle converted from dialog units with the dialog font's base units.
#pragma once

#include "framework/Dialog.h"

#include <QDialog>
#include <QFont>
#include <QSize>

#include <map>

class QWidget;

class DialogRunner : public QDialog, private TDialog::TTextSink {
public:
    DialogRunner(TDialog& dialog, QWidget* owner);
    ~DialogRunner() override;

    // The base units of a font: the average width of the 52 Latin letters
    // and the font's height, in pixels.
    static QSize BaseUnits(const QFont& font);
    static QRect PixelRect(const TDialogUnits& units, const QSize& base);
    // The face that stands for the template's font here.
    static QFont DialogFont(const TDialogTemplate& t);
    // A static text, picture or push button of a template.
    static QWidget* MakeControl(const TDialogItem& item, const std::string& text, QWidget* parent);

private:
    TDialog& Dialog;
    std::map<int, QWidget*> Controls;

    void Build();
    void ItemTextChanged(int id, const std::string& text) override;
};
