// A drop-down list whose items its dialog draws: each item's height and
// picture come from WM_MEASUREITEM and WM_DRAWITEM sent to the window that
// owns the dialog's controls (the property sheet), for the open list and
// for the closed box's selection field alike.
#pragma once

#include <QComboBox>

class SheetGuard;
class TComboBox;
class TWindow;

class OwnerDrawCombo : public QComboBox {
public:
    OwnerDrawCombo(TWindow& owner, TComboBox& box, SheetGuard& guard, QWidget* parent);

    TWindow& Owner;
    TComboBox& Box;
    SheetGuard& Guard;

    int MeasureItem(int item) const;
    // The item drawn into an image of size (item -1: the selection field).
    QImage DrawItem(int item, QSize size, bool selected, bool field) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
