// The message loop and its relatives: the paced pump the loader calls per
// screenful, the timed wait of the mouse-capture loop, and the main loop
// with idle processing each time it is about to block.
#pragma once

#include "framework/qt/MessageQueue.h"

#include <QObject>

#include <cstdint>
#include <optional>

class TApplication;

class MessageLoop : public QObject {
public:
    explicit MessageLoop(MessageQueue& queue);

    // Looks at the queues at most once per LookInterval; between looks it
    // costs one read of a coarse clock.
    void PumpWaiting();
    // Dispatches everything waiting now, whatever the pace.
    void PumpNow();
    void WaitAndDispatch(int timeoutMs);
    int Run(TApplication& app);
    void Quit(int exitCode);

    static constexpr int64_t LookIntervalMs = 10;

private:
    MessageQueue& Queue;
    TApplication* IdleApp = nullptr;
    long IdleCount = 0;
    bool MoreIdle = false;
    bool InIdle = false;
    int WaitDepth = 0;
    bool Running = false;
    std::optional<int> PendingQuit;  // asked for before the loop ran
    int64_t LastLook = INT64_MIN / 2;

    void AboutToBlock();
};
