// Waits for one child process from the message loop: a light poll, so the
// program neither blocks while the desktop's helper runs nor leaves it a
// zombie.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class ChildWatch : public QObject {
public:
    ChildWatch(int pid, std::function<void(int)> done, QObject* parent);

    static constexpr int PollMs = 100;

private:
    int Pid;
    std::function<void(int)> Done;
    QTimer Poll;

    void Look();
};
