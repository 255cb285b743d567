#include "framework/qt/DialogRunner.h"

#include "framework/DialogUnits.h"
#include "framework/Types.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/ImageData.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

namespace {

// Light grey in a 16-colour picture stands for the face it is drawn on.
QImage OnFace(QImage image, const QColor& face)
{
    constexpr QRgb LightGrey = 0xFFC0C0C0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == LightGrey)
                image.setPixel(x, y, face.rgba());
    return image;
}

}  // namespace

QWidget* DialogRunner::MakeControl(const TDialogItem& item, const std::string& text, QWidget* parent)
{
    switch (item.Kind) {
    case TDialogItem::TKind::PushButton: {
        auto* button = new QPushButton(CodePage::UiText(text), parent);
        button->setDefault(item.Style & BS_DEFPUSHBUTTON);
        return button;
    }
    case TDialogItem::TKind::Picture: {
        auto* picture = new QLabel(parent);
        if (item.Picture)
            picture->setPixmap(QPixmap::fromImage(OnFace(ImageOf(*item.Picture), parent->palette().color(QPalette::Window))));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    default: break;
    }
    auto* label = new QLabel(CodePage::UiText(text), parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment across = item.Style & SS_RIGHT    ? Qt::AlignRight
                                 : item.Style & SS_CENTER ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignTop);
    return label;
}

// A modal frame with a caption and a system menu: no sizing, no minimise.
DialogRunner::DialogRunner(TDialog& dialog, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      Dialog(dialog)
{
    Dialog.SetTextSink(this);
    Build();
}

DialogRunner::~DialogRunner() { Dialog.SetTextSink(nullptr); }

QSize DialogRunner::BaseUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const TSize base = DialogBaseUnits(int(std::lround(metrics.horizontalAdvance(QString::fromLatin1(DialogBaseLetters)))),
                                       int(std::ceil(metrics.height())));
    return QSize(base.cx, base.cy);
}

QRect DialogRunner::PixelRect(const TDialogUnits& u, const QSize& base)
{
    const TRect r = DialogUnitsToPixels(u, {base.width(), base.height()});
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QFont DialogRunner::DialogFont(const TDialogTemplate& t)
{
    QFont font(QString::fromStdString(t.FontFace));
    font.setPointSize(t.FontPoints > 0 ? t.FontPoints : 8);
    return font;
}

void DialogRunner::Build()
{
    const TDialogTemplate& t = Dialog.Template();
    const QFont font = DialogFont(t);
    setFont(font);
    setWindowTitle(CodePage::UiText(t.Caption));
    setModal(true);
    const QSize base = BaseUnits(font);
    const QRect area = PixelRect(t.Rect, base);
    setFixedSize(area.size());
    if (QWidget* owner = parentWidget())
        move(owner->mapToGlobal(area.topLeft()));
    for (const TDialogItem& item : t.Items) {
        QWidget* control = MakeControl(item, item.Id == -1 ? item.Text : Dialog.GetItemText(item.Id), this);
        control->setGeometry(PixelRect(item.Rect, base));
        if (item.Id != -1)
            Controls[item.Id] = control;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            const int id = item.Id;
            connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        }
    }
}

void DialogRunner::ItemTextChanged(int id, const std::string& text)
{
    const auto found = Controls.find(id);
    if (found == Controls.end())
        return;
    if (auto* label = qobject_cast<QLabel*>(found->second))
        label->setText(CodePage::UiText(text));
    else if (auto* button = qobject_cast<QPushButton*>(found->second))
        button->setText(CodePage::UiText(text));
}

namespace Platform {

int RunDialog(TDialog& dialog)
{
    PlatformContext::Get();
    dialog.SetupWindow();
    DialogRunner runner(dialog, QtWindowPeer::TopLevelOf(dialog.GetOwner()));
    const int answer = runner.exec();
    // Escape and the close box reject the box.
    return answer == QDialog::Rejected ? IDCANCEL : answer;
}

}  // namespace Platform
