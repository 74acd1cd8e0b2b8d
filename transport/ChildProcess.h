#pragma once

// A program run without a shell, found on PATH, its standard input, output and
// errors piped to this process. It runs in a session of its own, so it has no
// terminal to ask questions on and a Ctrl+C meant for us does not reach it.
// The object ends the program when it goes (SIGTERM, then SIGKILL) and reaps it.

#include "profile/FileDescriptor.h"

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ChildProcess {
public:
    // environment holds NAME=value entries that are added to ours or replace them.
    ChildProcess(
        const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // 0 once started, else the errno (ENOENT: no such program).
    int error() const { return error_; }
    int input() const { return input_.get(); }
    int output() const { return output_.get(); }
    int errors() const { return errors_.get(); }
    void CloseInput() { input_.Close(); }
    // As write(2) on the input, never raising SIGPIPE: EPIPE once the program is gone.
    ssize_t WriteInput(std::string_view bytes);
    // The exit status (128 + the signal for one that a signal ended), or none
    // when it still runs after timeout.
    std::optional<int> Wait(std::chrono::milliseconds timeout);

private:
    void End();

    pid_t pid_ = -1;
    std::optional<int> status_;
    FileDescriptor input_;
    FileDescriptor output_;
    FileDescriptor errors_;
    int error_ = 0;
};

struct ProgramRun {
    int error = 0;              // errno of starting it
    std::optional<int> status;  // none when it was ended after the time-out
    std::string output;
    std::string errors;
};

// Runs the program to its end with input on its standard input, collecting
// what it writes; ended when it takes longer than timeout.
ProgramRun RunProgram(const std::vector<std::string>& arguments,
    const std::vector<std::string>& environment, std::string_view input,
    std::chrono::milliseconds timeout);
