#pragma once

// Watches the toolkit's start (the QApplication's construction). A toolkit
// that can open no window system ends the program with a page of plugin
// advice and an abort; while this guard lives the program says instead, in
// one line on the error stream, why there is no display, and ends with
// status 1. What the toolkit reports meanwhile, its own messages and what
// the libraries below it write to the error stream, is held back and passed
// on when the guard ends, so that a failed start shows nothing else.

#include "app/DisplayEnvironment.h"

#include <QString>

#include <mutex>
#include <string>
#include <vector>

class ToolkitStartGuard {
public:
    // program names the program in the line it ends with.
    ToolkitStartGuard(std::string program, DisplayEnvironment environment);
    ~ToolkitStartGuard() { End(); }
    ToolkitStartGuard(const ToolkitStartGuard&) = delete;
    ToolkitStartGuard& operator=(const ToolkitStartGuard&) = delete;

    // The toolkit has started: what was held goes on to the error stream.
    void End();

private:
    struct HeldMessage {
        QtMsgType type;
        std::string category;
        std::string file;
        std::string function;
        int line;
        QString text;
    };

    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void Fail();
    void RestoreErrorStream();
    std::string HeldOutput() const;

    std::string program_;
    DisplayEnvironment environment_;
    QtMessageHandler previousHandler_ = nullptr;
    int heldStream_ = -1;   // what is written to the error stream meanwhile
    int errorStream_ = -1;  // the error stream itself, while it is held
    std::mutex mutex_;      // the toolkit may report from threads of its own
    std::vector<HeldMessage> messages_;
    bool ended_ = false;
};
