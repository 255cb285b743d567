// The editor's end of its help viewer: the viewer program (vantor-help,
// beside the editor or on PATH) started with a socket as its standard
// input, over which it is told which page to show and when to quit. The
// link going away closes the socket only: the viewer reads the end of its
// input and goes on running.
//
// Commands, one a line: "show URL" (the page as an encoded file URL; the
// viewer comes to the front) and "quit".
#pragma once

#include <memory>
#include <string>

class HelpViewerLink {
public:
    HelpViewerLink() = default;
    ~HelpViewerLink();
    HelpViewerLink(const HelpViewerLink&) = delete;
    HelpViewerLink& operator=(const HelpViewerLink&) = delete;

    // Turns a running viewer to page, else starts one there. False when no
    // viewer could be started.
    bool Show(const std::string& contents, const std::string& page);
    void Quit();

    // The viewer program that Show starts; empty when none is installed.
    static std::string ViewerProgram();

private:
    int Socket = -1;
    std::shared_ptr<bool> Running;  // cleared by the watch when it ends

    bool Start(const std::string& contents, const std::string& page);
    bool Send(const std::string& line);
    void Drop();
};
