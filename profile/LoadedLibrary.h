#pragma once

// A C library opened with dlopen the first time a feature needs it rather
// than when the program starts, so that every start does not pay for what
// most runs never use. Never closed: the library's threads and handles may
// outlive any owner.

#include <dlfcn.h>

#include <string>

class LoadedLibrary {
public:
    // soname: the name Debian's package gives the library.
    explicit LoadedLibrary(const char* soname)
        : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL))
        , error_(handle_ != nullptr ? "" : dlerror())
    {
    }

    bool IsOpen() const { return handle_ != nullptr; }
    // Why it could not be opened, as the dynamic loader says it.
    const std::string& error() const { return error_; }

    // Points function at the library's symbol of that name; false, and a
    // null function, when the library has no such symbol.
    template <typename Function> bool Resolve(const char* name, Function& function) const
    {
        function = reinterpret_cast<Function>(dlsym(handle_, name));
        return function != nullptr;
    }

private:
    void* handle_;
    std::string error_;
};
