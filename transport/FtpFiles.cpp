#include "transport/FtpFiles.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/CurlLibrary.h"
#include "transport/FolderPath.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>

namespace {

constexpr int kPasswordQuestions = 3;
constexpr std::size_t kMaximumListing = 16 * 1024 * 1024;
constexpr std::size_t kListingFields = 8;  // before the name in "ls -l" form

struct CurlMeaning {
    CURLcode code;
    Outcome outcome;
    const char* meaning;
};

constexpr std::array kCurlMeanings{
    CurlMeaning{CURLE_COULDNT_RESOLVE_HOST, Outcome::Unreachable,
        TranslatedLater("No server of that name is known")},
    CurlMeaning{CURLE_COULDNT_CONNECT, Outcome::Unreachable,
        TranslatedLater("The server refused the connection or cannot be reached")},
    CurlMeaning{CURLE_OPERATION_TIMEDOUT, Outcome::TimedOut,
        TranslatedLater("The server did not answer in time")},
    CurlMeaning{CURLE_LOGIN_DENIED, Outcome::LoginRefused,
        TranslatedLater(
            "The server refused the login (user name from the location or ~/.netrc, password from "
            "~/.netrc or asked)")},
    CurlMeaning{CURLE_PEER_FAILED_VERIFICATION, Outcome::CertificateUntrusted,
        TranslatedLater("The server's certificate is not signed by an authority this system "
                        "trusts; pin its key "
                        "in the server's settings to accept it")},
    CurlMeaning{CURLE_SSL_PINNEDPUBKEYNOTMATCH, Outcome::CertificateUntrusted,
        TranslatedLater("The server's key is not the pinned one: this may be an impostor, so "
                        "nothing was sent")},
    CurlMeaning{CURLE_USE_SSL_FAILED, Outcome::Failed,
        TranslatedLater(
            "The server does not offer TLS (AUTH TLS), so an ftps:// location cannot use it")},
    CurlMeaning{CURLE_ABORTED_BY_CALLBACK, Outcome::Cancelled, TranslatedLater("Cancelled")},
};

struct Permission {
    std::size_t column;
    char letter;
    unsigned bit;
};

// The permission columns of "ls -l" (after the type letter); s, S, t and T
// carry the set-id and sticky bits in the execute columns.
constexpr std::array kPermissions{Permission{1, 'r', 0400}, Permission{2, 'w', 0200},
    Permission{3, 'x', 0100}, Permission{4, 'r', 040}, Permission{5, 'w', 020},
    Permission{6, 'x', 010}, Permission{7, 'r', 04}, Permission{8, 'w', 02},
    Permission{9, 'x', 01}};

constexpr std::array kSpecialBits{
    Permission{3, 's', 04000}, Permission{6, 's', 02000}, Permission{9, 't', 01000}};

unsigned ModeOf(std::string_view permissions)
{
    unsigned mode = 0;
    for (const Permission& permission : kPermissions) {
        const char shown = permissions[permission.column];
        if (shown == permission.letter || (permission.letter == 'x' && std::islower(shown)))
            mode |= permission.bit;
    }
    for (const Permission& special : kSpecialBits) {
        if (std::tolower(permissions[special.column]) == special.letter)
            mode |= special.bit;
    }
    return mode;
}

// One line of a listing in "ls -l" form; none for other lines ("total 8").
std::optional<RemoteEntry> ReadListingLine(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    std::size_t at = 0;
    std::vector<std::string_view> fields;
    while (fields.size() < kListingFields && at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (start == std::string_view::npos)
            return std::nullopt;
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    if (fields.size() < kListingFields || at + 1 >= line.size() || fields[0].size() < 10)
        return std::nullopt;
    RemoteEntry entry;
    entry.name = std::string(line.substr(at + 1));
    const char type = fields[0][0];
    entry.kind = type == '-' ? EntryKind::File
        : type == 'd'        ? EntryKind::Folder
        : type == 'l'        ? EntryKind::Link
                             : EntryKind::Other;
    if (entry.kind == EntryKind::Link)
        entry.name = entry.name.substr(0, entry.name.find(" -> "));
    entry.mode = ModeOf(fields[0]);
    entry.size = std::strtoull(std::string(fields[4]).c_str(), nullptr, 10);
    return entry;
}

const CurlLibrary& Curl()
{
    std::string problem;
    return *CurlLibrary::Load(problem);
}

std::string EscapedPath(CURL* curl, std::string_view path)
{
    std::string escaped;
    for (const std::string& component : PathComponents(path)) {
        char* one = Curl().easyEscape(curl, component.c_str(), static_cast<int>(component.size()));
        escaped += '/' + std::string(one ? one : "");
        Curl().free(one);
    }
    return escaped;
}

std::size_t KeepResponse(char* data, std::size_t size, std::size_t count, void* user)
{
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line.front())))
        static_cast<FtpFiles::Transfer*>(user)->lastResponse = std::string(line);
    return size * count;
}

// What a request without a body is given: libcurl writes the size and date
// it learnt as "Content-Length:" lines, by default to standard output.
std::size_t Discard(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

std::size_t Receive(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<FtpFiles::Transfer*>(user);
    if (transfer->download->size() + size * count > transfer->downloadLimit) {
        transfer->tooLarge = true;
        return 0;  // ends the transfer with CURLE_WRITE_ERROR
    }
    transfer->download->append(data, size * count);
    return size * count;
}

std::size_t Send(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<FtpFiles::Transfer*>(user);
    const std::size_t taken = std::min(size * count, transfer->upload.size());
    std::memcpy(data, transfer->upload.data(), taken);
    transfer->upload.remove_prefix(taken);
    return taken;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t total, curl_off_t done)
{
    const auto* transfer = static_cast<FtpFiles::Transfer*>(user);
    const TransferControl& control = *transfer->control;
    if (transfer->interruption == Interruption::OnStop && control.stop.stop_requested())
        return 1;
    if (control.progress && total > 0)
        control.progress(TransferStage::Uploading, static_cast<std::uint64_t>(done),
            static_cast<std::uint64_t>(total));
    return 0;
}

// A handle exists only where the library was loaded, so the functions that
// use one find the library.
CURL* NewHandle()
{
    std::string problem;
    const CurlLibrary* curl = CurlLibrary::Load(problem);
    return curl ? curl->easyInit() : nullptr;
}

}  // namespace

FtpFiles::FtpFiles(
    const Location& location, const TransportOptions& options, const TransferControl& control)
    : location_(location)
    , options_(options)
    , control_(control)
    , curl_(NewHandle(), [](CURL* curl) { Curl().easyCleanup(curl); })
    , commands_(nullptr, [](curl_slist* list) { Curl().slistFreeAll(list); })
{
    transfer_.control = &control_;
}

FtpFiles::~FtpFiles() = default;

void FtpFiles::Prepare(const std::string& url)
{
    CURL* curl = curl_.get();
    Curl().easyReset(curl);  // keeps the connection
    transfer_ = Transfer();
    transfer_.control = &control_;
    errorText_.fill(0);
    Curl().easySetopt(curl, CURLOPT_URL, url.c_str());
    Curl().easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    Curl().easySetopt(curl, CURLOPT_ERRORBUFFER, errorText_.data());
    Curl().easySetopt(
        curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options_.connectTimeout.count()));
    const long stall = WholeSeconds(options_.stallTimeout);
    Curl().easySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    Curl().easySetopt(curl, CURLOPT_LOW_SPEED_TIME, stall);
    Curl().easySetopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, stall);
    Curl().easySetopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
    if (!options_.netrcFile.empty())
        Curl().easySetopt(curl, CURLOPT_NETRC_FILE, options_.netrcFile.c_str());
    if (!location_.user.empty())
        Curl().easySetopt(curl, CURLOPT_USERNAME, location_.user.c_str());
    if (!password_.empty())
        Curl().easySetopt(curl, CURLOPT_PASSWORD, password_.c_str());
    if (location_.scheme == Scheme::Ftps) {
        Curl().easySetopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (!location_.pin.empty()) {
            Curl().easySetopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
            Curl().easySetopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
            Curl().easySetopt(curl, CURLOPT_PINNEDPUBLICKEY, location_.pin.c_str());
        }
    }
    Curl().easySetopt(curl, CURLOPT_WRITEFUNCTION, Discard);
    Curl().easySetopt(curl, CURLOPT_HEADERFUNCTION, KeepResponse);
    Curl().easySetopt(curl, CURLOPT_HEADERDATA, &transfer_);
    Curl().easySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    Curl().easySetopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
    Curl().easySetopt(curl, CURLOPT_XFERINFODATA, &transfer_);
}

CURLcode FtpFiles::Perform(Interruption interruption)
{
    transfer_.interruption = interruption;
    return Curl().easyPerform(curl_.get());
}

Step FtpFiles::StepOf(CURLcode code, FileAction action, const std::string& path)
{
    if (code == CURLE_OK)
        return {};
    if (code == CURLE_REMOTE_ACCESS_DENIED || code == CURLE_REMOTE_FILE_NOT_FOUND
        || code == CURLE_FTP_COULDNT_RETR_FILE)
        return {StepStatus::NotFound, {}};
    if (code == CURLE_WRITE_ERROR && transfer_.tooLarge)
        return {StepStatus::Failed,
            Failure(Outcome::TooLarge,
                Formatted(
                    TranslatedCount("%1$s is larger than a profile may be (more than %2$s byte).",
                        "%1$s is larger than a profile may be (more than %2$s bytes).",
                        transfer_.downloadLimit),
                    {Describe(path), std::to_string(transfer_.downloadLimit)}))};
    // libcurl's words, or the server's own.
    const std::string server = transfer_.lastResponse.empty()
        ? std::string(errorText_[0] ? errorText_.data() : Curl().easyStrerror(code))
        : Formatted(Translated("the server said \"%s\""), {transfer_.lastResponse});
    const auto known = std::find_if(kCurlMeanings.begin(), kCurlMeanings.end(),
        [code](const CurlMeaning& meaning) { return meaning.code == code; });
    if (known != kCurlMeanings.end())
        return {StepStatus::Failed,
            Failure(known->outcome,
                // TRANSLATORS: why, the server's name, and what the server or libcurl said.
                Formatted(Translated("%1$s (%2$s; %3$s)."),
                    {Translated(known->meaning), location_.host, server}))};
    return {StepStatus::Failed,
        Failure(Outcome::Failed,
            CouldNot(action, Describe(path), server + " (" + Curl().easyStrerror(code) + ")")
                + ".")};
}

TransportResult FtpFiles::Connect()
{
    if (!curl_) {
        std::string problem;
        CurlLibrary::Load(problem);
        return Failure(Outcome::Failed,
            problem.empty() ? std::string(Translated("libcurl could not start.")) : problem);
    }
    for (int question = 0;; ++question) {
        Prepare(ServerUrl() + "/");  // the login's own folder
        Curl().easySetopt(curl_.get(), CURLOPT_NOBODY, 1L);
        const CURLcode code = Perform(Interruption::OnStop);
        const char* entry = nullptr;
        Curl().easyGetinfo(curl_.get(), CURLINFO_FTP_ENTRY_PATH, &entry);
        home_ = entry && *entry == '/' ? entry : "/";
        const bool ask = code == CURLE_LOGIN_DENIED && control_.credentials
            && question < kPasswordQuestions && !location_.user.empty();
        std::optional<std::string> answer;
        if (ask)
            answer = control_.credentials({location_.text,
                Formatted(
                    Translated("Password for %1$s@%2$s: "), {location_.user, location_.host})});
        if (!answer) {
            const Step step = StepOf(code, FileAction::LogIn, "");
            return step.status == StepStatus::NotFound ? Failure(Outcome::Failed,
                       Formatted(
                           Translated("The server %s refused the login folder."), {location_.host}))
                                                       : step.failure;
        }
        password_ = std::move(*answer);
    }
}

Step FtpFiles::Command(
    const std::vector<std::string>& commands, FileAction action, const std::string& path)
{
    Prepare(ServerUrl() + "/");
    curl_slist* list = nullptr;
    for (const std::string& command : commands)
        list = Curl().slistAppend(list, command.c_str());
    commands_.reset(list);
    Curl().easySetopt(curl_.get(), CURLOPT_QUOTE, list);
    Curl().easySetopt(curl_.get(), CURLOPT_NOBODY, 1L);
    return StepOf(Perform(Interruption::Never), action, path);
}

Step FtpFiles::FindFolder(const std::string& path)
{
    Prepare(UrlOf(path, Kind::Folder));
    Curl().easySetopt(curl_.get(), CURLOPT_NOBODY, 1L);
    return StepOf(Perform(Interruption::OnStop), FileAction::LookAt, path);
}

Step FtpFiles::List(const std::string& folder, std::vector<RemoteEntry>& entries)
{
    std::string listing;
    Prepare(UrlOf(folder, Kind::Folder));
    transfer_.download = &listing;
    transfer_.downloadLimit = kMaximumListing;
    Curl().easySetopt(curl_.get(), CURLOPT_WRITEFUNCTION, Receive);
    Curl().easySetopt(curl_.get(), CURLOPT_WRITEDATA, &transfer_);
    Step step = StepOf(Perform(Interruption::OnStop), FileAction::List, folder);
    std::istringstream lines(listing);
    for (std::string line; step.IsOk() && std::getline(lines, line);) {
        if (std::optional<RemoteEntry> entry = ReadListingLine(line))
            entries.push_back(std::move(*entry));
    }
    return step;
}

Step FtpFiles::MakeFolder(const std::string& path)
{
    return Command({"MKD " + Absolute(path)}, FileAction::CreateFolder, path);
}

Step FtpFiles::Upload(const std::string& path, std::string_view bytes)
{
    Prepare(UrlOf(path, Kind::File));
    transfer_.upload = bytes;
    Curl().easySetopt(curl_.get(), CURLOPT_UPLOAD, 1L);
    Curl().easySetopt(curl_.get(), CURLOPT_READFUNCTION, Send);
    Curl().easySetopt(curl_.get(), CURLOPT_READDATA, &transfer_);
    Curl().easySetopt(curl_.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
    return StepOf(Perform(Interruption::OnStop), FileAction::Write, path);
}

Step FtpFiles::SizeOf(const std::string& path, std::uint64_t& size)
{
    Prepare(UrlOf(path, Kind::File));
    Curl().easySetopt(curl_.get(), CURLOPT_NOBODY, 1L);
    const Step step = StepOf(Perform(Interruption::Never), FileAction::LookAt, path);
    curl_off_t length = -1;
    Curl().easyGetinfo(curl_.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    size = length < 0 ? 0 : static_cast<std::uint64_t>(length);
    return step;
}

Step FtpFiles::ModifiedAt(const std::string& path, std::int64_t& seconds)
{
    Prepare(UrlOf(path, Kind::File));
    Curl().easySetopt(curl_.get(), CURLOPT_NOBODY, 1L);
    Curl().easySetopt(curl_.get(), CURLOPT_FILETIME, 1L);
    const Step step = StepOf(Perform(Interruption::Never), FileAction::LookAt, path);
    curl_off_t time = -1;
    Curl().easyGetinfo(curl_.get(), CURLINFO_FILETIME_T, &time);
    seconds = time;
    return step.IsOk() && time < 0 ? Step{StepStatus::Unsupported, {}} : step;
}

Step FtpFiles::SetMode(const std::string& path, unsigned mode)
{
    std::ostringstream octal;
    octal << std::oct << mode;
    const Step step
        = Command({"SITE CHMOD " + octal.str() + " " + Absolute(path)}, FileAction::SetMode, path);
    // A server without SITE CHMOD keeps its own modes.
    return step.status == StepStatus::Failed && step.failure.outcome == Outcome::Failed
        ? Step{StepStatus::Unsupported, {}}
        : step;
}

Step FtpFiles::Rename(const std::string& from, const std::string& to)
{
    const Step step
        = Command({"RNFR " + Absolute(from), "RNTO " + Absolute(to)}, FileAction::Rename, from);
    std::uint64_t size = 0;
    if (step.status == StepStatus::Failed && step.failure.outcome == Outcome::Failed
        && SizeOf(to, size).IsOk())
        return {StepStatus::Exists, step.failure};
    return step;
}

Step FtpFiles::Remove(const std::string& path)
{
    return Command({"DELE " + Absolute(path)}, FileAction::Remove, path);
}

Step FtpFiles::Link(const std::string&, const std::string&)
{
    return {StepStatus::Unsupported, {}};
}

Step FtpFiles::Download(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    Prepare(UrlOf(path, Kind::File));
    transfer_.download = &bytes;
    transfer_.downloadLimit = maxBytes;
    Curl().easySetopt(curl_.get(), CURLOPT_WRITEFUNCTION, Receive);
    Curl().easySetopt(curl_.get(), CURLOPT_WRITEDATA, &transfer_);
    return StepOf(Perform(Interruption::OnStop), FileAction::Read, path);
}

void FtpFiles::Disconnect()
{
    curl_.reset(NewHandle());  // sends QUIT and closes the connection
}

std::string FtpFiles::Describe(const std::string& path) const
{
    return location_.host + ":" + DisplayPath(path);
}

std::string FtpFiles::Absolute(const std::string& path) const
{
    return path.starts_with('/') ? path : JoinPath(home_, path);
}

std::string FtpFiles::ServerUrl() const
{
    const bool address = location_.host.find(':') != std::string::npos;  // IPv6
    std::string url = "ftp://" + (address ? "[" + location_.host + "]" : location_.host);
    return location_.port ? url + ":" + std::to_string(*location_.port) : url;
}

std::string FtpFiles::UrlOf(const std::string& path, Kind kind) const
{
    // "%2F" first: the path is absolute, not relative to the login's folder.
    const std::string escaped = EscapedPath(curl_.get(), Absolute(path));
    return ServerUrl() + "/%2F" + (escaped.empty() ? "" : escaped.substr(1))
        + (kind == Kind::Folder ? "/" : "");
}
