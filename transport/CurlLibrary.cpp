#include "transport/CurlLibrary.h"

#include "profile/LoadedLibrary.h"
#include "text/Formatted.h"
#include "text/Translated.h"

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

Loading LoadOnce()
{
    Loading loading;
    const LoadedLibrary library(kLibraryName);
    if (!library.IsOpen()) {
        loading.problem = TranslatedLater("FTP needs libcurl, which could not be loaded: %s");
        loading.detail = library.error();
        return loading;
    }
    CurlLibrary& curl = loading.library;
    decltype(&curl_global_init) globalInit = nullptr;
    const bool complete = library.Resolve("curl_global_init", globalInit)
        && library.Resolve("curl_easy_init", curl.easyInit)
        && library.Resolve("curl_easy_cleanup", curl.easyCleanup)
        && library.Resolve("curl_easy_reset", curl.easyReset)
        && library.Resolve("curl_easy_setopt", curl.easySetopt)
        && library.Resolve("curl_easy_getinfo", curl.easyGetinfo)
        && library.Resolve("curl_easy_perform", curl.easyPerform)
        && library.Resolve("curl_easy_strerror", curl.easyStrerror)
        && library.Resolve("curl_easy_escape", curl.easyEscape)
        && library.Resolve("curl_free", curl.free)
        && library.Resolve("curl_slist_append", curl.slistAppend)
        && library.Resolve("curl_slist_free_all", curl.slistFreeAll);
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
