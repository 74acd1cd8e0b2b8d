#include "transport/CurlLibrary.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <dlfcn.h>

namespace {

// The name Debian's libcurl4 package gives the library (its soname).
constexpr const char* kLibraryName = "libcurl.so.4";

// Loaded once, and told in the language of whoever asks.
struct Loading {
    CurlLibrary library{};
    bool loaded = false;
    const char* problem = nullptr;  // a pattern for detail
    std::string detail;
};

template <typename Function>
void Resolve(void* handle, const char* name, Function& function, bool& complete)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    complete = complete && function != nullptr;
}

Loading LoadOnce()
{
    Loading loading;
    // Never closed: the library's threads and handles may outlive any owner.
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        loading.problem = TranslatedLater("FTP needs libcurl, which could not be loaded: %s");
        loading.detail = dlerror();
        return loading;
    }
    CurlLibrary& curl = loading.library;
    bool complete = true;
    decltype(&curl_global_init) globalInit = nullptr;
    Resolve(handle, "curl_global_init", globalInit, complete);
    Resolve(handle, "curl_easy_init", curl.easyInit, complete);
    Resolve(handle, "curl_easy_cleanup", curl.easyCleanup, complete);
    Resolve(handle, "curl_easy_reset", curl.easyReset, complete);
    Resolve(handle, "curl_easy_setopt", curl.easySetopt, complete);
    Resolve(handle, "curl_easy_getinfo", curl.easyGetinfo, complete);
    Resolve(handle, "curl_easy_perform", curl.easyPerform, complete);
    Resolve(handle, "curl_easy_strerror", curl.easyStrerror, complete);
    Resolve(handle, "curl_easy_escape", curl.easyEscape, complete);
    Resolve(handle, "curl_free", curl.free, complete);
    Resolve(handle, "curl_slist_append", curl.slistAppend, complete);
    Resolve(handle, "curl_slist_free_all", curl.slistFreeAll, complete);
    if (!complete) {
        loading.problem = TranslatedLater("%s lacks a function FTP needs.");
        loading.detail = kLibraryName;
        return loading;
    }
    // Not thread-safe in older releases, hence here, under the static's guard.
    if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        loading.problem = TranslatedLater("libcurl could not start.");
        return loading;
    }
    loading.loaded = true;
    return loading;
}

}  // namespace

const CurlLibrary* CurlLibrary::Load(std::string& problem)
{
    static const Loading loading = LoadOnce();
    problem = loading.problem ? Formatted(Translated(loading.problem), {loading.detail}) : "";
    return loading.loaded ? &loading.library : nullptr;
}
