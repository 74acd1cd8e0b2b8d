#pragma once

// The temporary name an upload is written under before it is renamed over
// CustomCombat.wst: .quavel-<machine>-<process>-<random>.upload, in the same
// folder. A run that is killed or loses its connection leaves it behind; the
// next publish to that folder removes such leftovers, but never another live
// publisher's upload: this machine's only when their process is gone (or,
// for this process, when no upload of its own uses the name), other
// machines' only when they are older than an hour.

#include <chrono>
#include <string>
#include <string_view>

inline constexpr auto kForeignUploadAge = std::chrono::hours(1);

enum class Leftover {
    No,                   // not an upload's name, or one still in use
    Yes,                  // this machine's, its upload over
    WhenOlderThanAnHour,  // another machine's
};

class UploadName {
public:
    // A fresh name, counted as in use while the object lives.
    UploadName();
    ~UploadName();
    UploadName(const UploadName&) = delete;
    UploadName& operator=(const UploadName&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string name_;
};

Leftover ClassifyUpload(std::string_view name);
