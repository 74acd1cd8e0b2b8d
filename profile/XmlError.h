#pragma once

// The one failure the XML access functions raise: a file that cannot be written,
// or a node asked for something while its handle is empty. A document that does
// not parse is not an XmlError; it is simply left without a root element.

#include <stdexcept>
#include <string>

class XmlError : public std::runtime_error {
public:
    // code: the errno value of the failed system call, EINVAL for a misused handle.
    XmlError(int code, const std::string& what)
        : std::runtime_error(what)
        , code_(code)
    {
    }

    int code() const { return code_; }

private:
    int code_;
};
