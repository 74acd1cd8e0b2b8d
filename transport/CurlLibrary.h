#pragma once

// libcurl, loaded the first time an FTP or FTPS server is reached instead of
// when the program starts: with the TLS, SSH, LDAP and HTTP/2 libraries it
// brings, it would add about 5 MB and a twentieth of a second to every start
// of the editor and of quavel-cli, most of which never reach an FTP server.

#include <curl/curl.h>

#include <string>

struct CurlLibrary {
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_reset) easyReset;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_strerror) easyStrerror;
    decltype(&curl_easy_escape) easyEscape;
    decltype(&curl_free) free;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;

    // The library, loaded and initialised once for the whole program; null
    // when it cannot be loaded, and then `problem` says why.
    static const CurlLibrary* Load(std::string& problem);
};
