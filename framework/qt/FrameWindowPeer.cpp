#include "framework/qt/FrameWindowPeer.h"

#include "framework/Frame.h"
#include "framework/Platform.h"
#include "framework/qt/FileDrop.h"
#include "framework/qt/FrameMenu.h"
#include "framework/qt/QtDC.h"

#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QVBoxLayout* TightColumn(QWidget* owner)
{
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    return column;
}

}  // namespace

FrameWindowPeer::FrameWindowPeer(TFrameWindow& frame)
    : QtWindowPeer(frame), Frame(frame), Top(new FrameWidget(*this)), Bar(new QMenuBar(Top.get())),
      Body(new QWidget(Top.get())), Layout(TightColumn(Body)), Menu(new FrameMenu(frame, *Bar)),
      Scratch([](const QRect&) {})
{
    QVBoxLayout* outer = TightColumn(Top.get());
    outer->setMenuBar(Bar);
    outer->addWidget(Body);
    LinkScrollBars(nullptr, nullptr, nullptr);
    if (frame.Attr.ExStyle & WS_EX_ACCEPTFILES)
        FileDrop::AcceptFiles(*Top, *Top);
    ApplyAttributes();
    BuildMenu();
}

FrameWindowPeer::~FrameWindowPeer()
{
    ReleaseCapture();
    Menu->Detach();
    Top->Detach();
    Top->hide();
}

void FrameWindowPeer::BuildMenu()
{
    const TMenuResource* menu = Frame.GetMenu();
    if (menu == BuiltMenu)
        return;
    BuiltMenu = menu;
    Menu->Build(menu ? *menu : TMenuResource{});
    Bar->setVisible(menu != nullptr);
}

void FrameWindowPeer::ChildrenCreated()
{
    BuildMenu();
    LayOut();
}

// A decoration inserted after the frame was made joins the layout once its
// peer is in place.
void FrameWindowPeer::ChildAdded()
{
    if (LaidOut)
        QTimer::singleShot(0, &Lifetime, [this] { LayOut(); });
}

void FrameWindowPeer::LayOut()
{
    while (QLayoutItem* item = Layout->takeAt(0))
        delete item;
    const auto* decorated = dynamic_cast<const TDecoratedFrame*>(&Frame);
    auto addDecorations = [&](TDecoratedFrame::TLocation location) {
        if (!decorated)
            return;
        for (const auto& [decoration, where] : decorated->Decorations())
            if (QtWindowPeer* peer = Of(decoration); peer && where == location) {
                peer->Widget().setFixedHeight(decoration->Attr.H);
                Layout->addWidget(&peer->Widget());
            }
    };
    addDecorations(TDecoratedFrame::TLocation::Top);
    if (QtWindowPeer* client = Of(Frame.GetClientWindow()))
        Layout->addWidget(&client->Widget(), 1);
    addDecorations(TDecoratedFrame::TLocation::Bottom);
    LaidOut = true;
}

void FrameWindowPeer::Invalidate(const TRect*, bool) { Body->update(); }

std::unique_ptr<TDC> FrameWindowPeer::GetClientDC()
{
    Scratch.Resize(Body->size(), Platform::ScreenLogPixelsY());
    return std::make_unique<QtDC>(Scratch, std::nullopt, false);
}

// The frame's client gets the keyboard focus whenever the frame is shown.
void FrameWindowPeer::Show(int cmdShow)
{
    BuildMenu();
    QtWindowPeer::Show(cmdShow);
    if (cmdShow != SW_HIDE)
        SetFocus();
}

void FrameWindowPeer::SetFocus()
{
    if (QtWindowPeer* client = Of(Frame.GetClientWindow()))
        client->SetFocus();
    else
        Top->activateWindow();
}

void FrameWindowPeer::CloseRequested() { DispatchMsg(TMsg{&Frame, WM_CLOSE, 0, 0}); }

void FrameWindowPeer::SizeChanged()
{
    DispatchMsg(TMsg{&Frame, WM_SIZE, SizeType(), intptr_t(MakeLParam(Body->width(), Body->height()))});
}
