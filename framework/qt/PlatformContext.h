// The Qt layer's application object: the toolkit's QApplication (made here
// unless the process already has one) and what the window system keeps per
// application: the message queue and loop, the key state, the caret and
// the system font. Made by Platform::Initialise or at first use.
#pragma once

#include "framework/Font.h"
#include "framework/qt/Caret.h"
#include "framework/qt/ClipboardState.h"
#include "framework/qt/KeyboardState.h"
#include "framework/qt/MessageLoop.h"
#include "framework/qt/MessageQueue.h"
#include "framework/qt/WindowActivation.h"

#include <QApplication>

#include <memory>

class QtWindowPeer;

class PlatformContext {
public:
    // argc and argv must outlive the context (they are the program's own).
    PlatformContext(int& argc, char** argv);
    ~PlatformContext();
    PlatformContext(const PlatformContext&) = delete;
    PlatformContext& operator=(const PlatformContext&) = delete;

    static PlatformContext& Get();
    static void Start(int& argc, char** argv);
    static void Stop();

    MessageQueue& Queue() { return *Messages; }
    MessageLoop& Loop() { return *Pump; }
    KeyboardState& Keys() { return *KeyState; }
    Caret& TheCaret() { return *SystemCaret; }
    ClipboardState& Clipboard() { return *ClipboardWatch; }
    // The one window holding the mouse capture, or null.
    QtWindowPeer* CaptureOwner() const { return CaptureHolder; }
    void SetCaptureOwner(QtWindowPeer* peer) { CaptureHolder = peer; }
    // The font a device context has before one is selected.
    const TFont& SystemFont();

private:
    std::unique_ptr<QApplication> OwnApplication;
    std::unique_ptr<MessageQueue> Messages;
    std::unique_ptr<MessageLoop> Pump;
    std::unique_ptr<KeyboardState> KeyState;
    std::unique_ptr<Caret> SystemCaret;
    std::unique_ptr<ClipboardState> ClipboardWatch;
    std::unique_ptr<WindowActivation> Activation;
    std::unique_ptr<QObject> SessionWatch;
    std::unique_ptr<TFont> DefaultFont;
    QtWindowPeer* CaptureHolder = nullptr;

    static PlatformContext* Instance;
};
