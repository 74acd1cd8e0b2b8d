#pragma once

// Answers the questions ssh asks through its SSH_ASKPASS program. Our helper,
// quavel-askpass, connects to a socket in a folder only this user can enter,
// sends ssh's prompt and prints the answer for ssh; here the prompt goes to
// the front-end's CredentialSource. A password lives in memory only, for the
// moment it is handed on.
//
// A question whether to trust an unknown host key (which ssh asks for a jump
// host whose configuration does not check strictly) is always answered no:
// accepting keys is TrustHostKey's, after the user saw the fingerprint.

#include "profile/FileDescriptor.h"
#include "transport/Transfer.h"

#include <filesystem>
#include <string>
#include <vector>

class AskpassServer {
public:
    explicit AskpassServer(std::filesystem::path helper);
    ~AskpassServer();
    AskpassServer(const AskpassServer&) = delete;
    AskpassServer& operator=(const AskpassServer&) = delete;

    // 0 when listening, else the errno.
    int error() const { return error_; }
    // For poll(): readable when a helper connects.
    int listener() const { return listener_.get(); }
    // What ssh needs in its environment to use the helper.
    std::vector<std::string> Environment() const;
    // Takes one waiting helper's question and answers it.
    void AnswerOne(const CredentialSource& credentials, const std::string& destination);
    // The last host-key question refused, with the fingerprint it showed.
    const std::string& refusedHostKeyQuestion() const { return refusedHostKeyQuestion_; }

private:
    std::filesystem::path helper_;
    std::filesystem::path folder_;
    FileDescriptor listener_;
    std::string refusedHostKeyQuestion_;
    int error_ = 0;
};

// The helper beside the running program, else where it is installed.
std::filesystem::path DefaultAskpassProgram();
