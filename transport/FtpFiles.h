#pragma once

// RemoteFiles over FTP with libcurl: FTPS with explicit TLS (AUTH TLS on the
// control port) for ftps:// locations, plain FTP for ftp://. Certificates
// are checked against the system's trust store, or, when the location pins
// a key, the pin alone decides. The login comes from the location's user and
// ~/.netrc, as curl and ftp read it, and a password the server wants and
// ~/.netrc lacks is asked for through the CredentialSource.
//
// Listings are read in the Unix "ls -l" form nearly every server gives, which
// shows links as links and the permission bits; a server that lists another
// form keeps no mode, and its links cannot be told from files.

#include "transport/FileAction.h"
#include "transport/Location.h"
#include "transport/RemoteFiles.h"

#include <curl/curl.h>

#include <array>
#include <memory>

class FtpFiles : public RemoteFiles {
public:
    FtpFiles(
        const Location& location, const TransportOptions& options, const TransferControl& control);
    ~FtpFiles() override;

    TransportResult Connect() override;
    Step FindFolder(const std::string& path) override;
    Step List(const std::string& folder, std::vector<RemoteEntry>& entries) override;
    Step MakeFolder(const std::string& path) override;
    Step Upload(const std::string& path, std::string_view bytes) override;
    Step SizeOf(const std::string& path, std::uint64_t& size) override;
    Step ModifiedAt(const std::string& path, std::int64_t& seconds) override;
    Step SetMode(const std::string& path, unsigned mode) override;
    Step Rename(const std::string& from, const std::string& to) override;
    Step Remove(const std::string& path) override;
    Step Link(const std::string& existing, const std::string& path) override;
    Step Download(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    void Disconnect() override;
    std::string Describe(const std::string& path) const override;

    // What curl passes to our callbacks.
    struct Transfer {
        const TransferControl* control = nullptr;
        Interruption interruption = Interruption::Never;
        std::string_view upload;
        std::string* download = nullptr;
        std::size_t downloadLimit = 0;
        bool tooLarge = false;
        std::string lastResponse;  // the server's last reply line
    };

private:
    enum class Kind { File, Folder };

    // Resets the handle to the options every request shares.
    void Prepare(const std::string& url);
    CURLcode Perform(Interruption interruption);
    // Sends FTP commands (with absolute paths) and nothing else.
    Step Command(
        const std::vector<std::string>& commands, FileAction action, const std::string& path);
    Step StepOf(CURLcode code, FileAction action, const std::string& path);
    std::string Absolute(const std::string& path) const;
    std::string ServerUrl() const;
    std::string UrlOf(const std::string& path, Kind kind) const;

    const Location& location_;
    const TransportOptions& options_;
    const TransferControl& control_;
    std::unique_ptr<CURL, void (*)(CURL*)> curl_;
    std::unique_ptr<curl_slist, void (*)(curl_slist*)> commands_;
    std::string password_;
    std::string home_ = "/";
    std::array<char, CURL_ERROR_SIZE> errorText_{};
    Transfer transfer_;
};
