#include "framework/qt/OwnerDrawCombo.h"

#include "framework/ComboBox.h"
#include "framework/OwnerDraw.h"
#include "framework/qt/PaintSurface.h"
#include "framework/qt/QtDC.h"
#include "framework/qt/SheetGuard.h"

#include <QAbstractItemView>
#include <QImage>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(OwnerDrawCombo& combo) : QStyledItemDelegate(&combo), Combo(combo) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(option.rect.width(), Combo.MeasureItem(index.row()));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->drawImage(option.rect.topLeft(), Combo.DrawItem(index.row(), option.rect.size(), selected, false));
    }

private:
    OwnerDrawCombo& Combo;
};

// Draws on an image that the context's surface paints.
class ImageSurface : public PaintSurface {
public:
    explicit ImageSurface(QImage& image) : Target(image) {}
    ~ImageSurface() override { EndPainting(); }
    QPaintDevice& Device() override { return Target; }

private:
    QImage& Target;
};

}  // namespace

OwnerDrawCombo::OwnerDrawCombo(TWindow& owner, TComboBox& box, SheetGuard& guard, QWidget* parent)
    : QComboBox(parent), Owner(owner), Box(box), Guard(guard)
{
    setItemDelegate(new OwnerDrawDelegate(*this));
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int OwnerDrawCombo::MeasureItem(int item) const
{
    TMeasureItemStruct measure;
    measure.CtlID = Box.GetId();
    measure.ItemID = item;
    measure.ItemWidth = width();
    measure.ItemData = Box.GetItemData(item);
    Guard.Run([&] { Owner.SendMessage(WM_MEASUREITEM, unsigned(measure.CtlID), reinterpret_cast<intptr_t>(&measure)); });
    return std::max(measure.ItemHeight, 1);
}

QImage OwnerDrawCombo::DrawItem(int item, QSize size, bool selected, bool field) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    ImageSurface surface(image);
    {
        QtDC dc(surface, std::nullopt, false);
        TDrawItemStruct draw;
        draw.CtlID = Box.GetId();
        draw.ItemID = item;
        draw.ItemState = (selected ? ODS_SELECTED | ODS_FOCUS : 0u) | (field ? unsigned(ODS_COMBOBOXEDIT) : 0u);
        draw.ItemWindow = &Box;
        draw.DC = &dc;
        draw.ItemRect = {0, 0, size.width(), size.height()};
        draw.ItemData = item >= 0 ? Box.GetItemData(item) : 0;
        Guard.Run([&] { Owner.SendMessage(WM_DRAWITEM, unsigned(draw.CtlID), reinterpret_cast<intptr_t>(&draw)); });
    }
    surface.EndPainting();
    return image;
}

// The frame and arrow as the style draws them; the selection field drawn
// by the dialog.
void OwnerDrawCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (Box.GetSelIndex() >= 0 && field.isValid())
        painter.drawImage(field.topLeft(), DrawItem(Box.GetSelIndex(), field.size(), hasFocus(), true));
}

// A list without an edit field keeps Ctrl+Tab for itself; in a sheet the
// key turns the page, whichever control has the focus.
void OwnerDrawCombo::keyPressEvent(QKeyEvent* event)
{
    const bool pageKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (pageKey && (event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}
