// TFd: owns an open file descriptor and closes it when it goes.
#pragma once

#include <unistd.h>

class TFd {
public:
    explicit TFd(int fd = -1) : Fd(fd) {}
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    ~TFd() { Close(); }
    int Get() const { return Fd; }
    // Closes now; false (with errno) when the close reported an error.
    bool Close()
    {
        const int fd = Fd;
        Fd = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int Fd;
};
