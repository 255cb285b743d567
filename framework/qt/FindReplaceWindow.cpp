#include "framework/qt/FindReplaceWindow.h"

#include "framework/qt/CodePage.h"
#include "framework/qt/GuardedCall.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

using TAction = TFindReplaceDialog::TAction;

// Typed characters without a Windows byte cannot be in the text: they are
// left out.
std::string Bytes(const QString& text)
{
    std::string bytes;
    for (const char32_t ch : text.toUcs4()) {
        const int b = CodePage::Windows1252Byte(ch);
        if (b > 0)
            bytes.push_back(char(b));
    }
    return bytes;
}

QLineEdit* TextBox(const std::string& text, const char* name)
{
    auto* box = new QLineEdit(CodePage::Windows1252Text(text));
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(int(TFindReplaceDialog::TextLimit));
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 28);
    return box;
}

template <class TControl>
TControl* Named(TControl* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

FindReplaceWindow::FindReplaceWindow(TFindReplaceDialog& dialog, QWidget* parent)
    : QDialog(parent), Dialog(&dialog), StartedDown(dialog.InitialControls().Down)
{
    setModal(false);
    // A title and a close box, as dialogs have; no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const bool replace = dialog.Kind() == TFindReplaceDialog::TKind::Replace;
    setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    Build(dialog.InitialControls());
    FindWhat->selectAll();
    FindWhat->setFocus(Qt::OtherFocusReason);
    EnableButtons();
}

void FindReplaceWindow::Build(const TFindReplaceDialog::TControls& initial)
{
    const bool replace = Dialog->Kind() == TFindReplaceDialog::TKind::Replace;
    auto* boxes = new QGridLayout;
    auto addBox = [boxes](const char* label, QLineEdit* box) {
        auto* caption = new QLabel(QString::fromLatin1(label));
        caption->setBuddy(box);
        const int row = boxes->rowCount();
        boxes->addWidget(caption, row, 0);
        boxes->addWidget(box, row, 1);
    };
    FindWhat = TextBox(initial.FindWhat, "findWhat");
    addBox("Fi&nd what:", FindWhat);
    if (replace) {
        ReplaceWith = TextBox(initial.ReplaceWith, "replaceWith");
        addBox("Re&place with:", ReplaceWith);
    }
    connect(FindWhat, &QLineEdit::textChanged, this, [this] { EnableButtons(); });

    WholeWord = Named(new QCheckBox(QStringLiteral("Match &whole word only")), "wholeWord");
    MatchCase = Named(new QCheckBox(QStringLiteral("Match &case")), "matchCase");
    WholeWord->setChecked(initial.WholeWord);
    MatchCase->setChecked(initial.MatchCase);
    auto* checks = new QVBoxLayout;
    checks->addWidget(WholeWord);
    checks->addWidget(MatchCase);
    auto* options = new QHBoxLayout;
    options->addLayout(checks);
    if (!replace) {
        auto* direction = new QGroupBox(QStringLiteral("Direction"));
        Up = Named(new QRadioButton(QStringLiteral("&Up")), "up");
        Down = Named(new QRadioButton(QStringLiteral("&Down")), "down");
        (initial.Down ? Down : Up)->setChecked(true);
        auto* row = new QHBoxLayout(direction);
        row->addWidget(Up);
        row->addWidget(Down);
        options->addWidget(direction);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(boxes);
    left->addLayout(options);
    left->addStretch(1);

    auto* buttons = new QVBoxLayout;
    FindNext = AddButton("&Find Next", "findNext", TAction::FindNext);
    buttons->addWidget(FindNext);
    if (replace) {
        Replace = AddButton("&Replace", "replace", TAction::Replace);
        ReplaceAll = AddButton("Replace &All", "replaceAll", TAction::ReplaceAll);
        buttons->addWidget(Replace);
        buttons->addWidget(ReplaceAll);
    }
    auto* cancel = Named(new QPushButton(QStringLiteral("Cancel")), "cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    FindNext->setDefault(true);

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* FindReplaceWindow::AddButton(const char* text, const char* name, TAction action)
{
    auto* button = Named(new QPushButton(QString::fromLatin1(text)), name);
    connect(button, &QPushButton::clicked, this, [this, action] { Report(action); });
    return button;
}

// Nothing can be searched for without a text.
void FindReplaceWindow::EnableButtons()
{
    const bool any = !FindWhat->text().isEmpty();
    for (QPushButton* button : {FindNext, Replace, ReplaceAll})
        if (button)
            button->setEnabled(any);
}

TFindReplaceDialog::TControls FindReplaceWindow::Controls() const
{
    TFindReplaceDialog::TControls controls;
    controls.FindWhat = Bytes(FindWhat->text());
    if (ReplaceWith)
        controls.ReplaceWith = Bytes(ReplaceWith->text());
    controls.WholeWord = WholeWord->isChecked();
    controls.MatchCase = MatchCase->isChecked();
    // The Replace dialog has no direction buttons and keeps the one it got.
    controls.Down = Down ? Down->isChecked() : StartedDown;
    return controls;
}

void FindReplaceWindow::reject()
{
    QDialog::reject();
    Report(TAction::Close);
}

// The owner may delete the dialog object (and detach this window) while it
// handles the report; nothing touches either afterwards.
void FindReplaceWindow::Report(TAction action)
{
    if (!Dialog)
        return;
    TFindReplaceDialog* dialog = Dialog;
    const TFindReplaceDialog::TControls controls = Controls();
    GuardedCall([dialog, action, &controls] { dialog->Act(action, controls); });
}

QtFindReplacePeer::QtFindReplacePeer(TFindReplaceDialog& dialog, QWidget* parent)
    : Dialog(new FindReplaceWindow(dialog, parent))
{
    Dialog->show();
}

QtFindReplacePeer::~QtFindReplacePeer()
{
    if (FindReplaceWindow* window = Window()) {
        window->Detach();
        window->hide();
    }
}

TFindReplaceDialog::TControls QtFindReplacePeer::Controls() const
{
    return Window() ? Window()->Controls() : TFindReplaceDialog::TControls{};
}

void QtFindReplacePeer::Hide()
{
    if (FindReplaceWindow* window = Window())
        window->hide();
}

std::unique_ptr<TFindReplacePeer> Platform::CreateFindReplacePeer(TFindReplaceDialog& dialog)
{
    PlatformContext::Get();
    return std::make_unique<QtFindReplacePeer>(dialog, QtWindowPeer::TopLevelOf(dialog.GetOwner()));
}
