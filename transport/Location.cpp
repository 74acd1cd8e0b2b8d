#include "transport/Location.h"

#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/FolderPath.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace {

struct SchemeName {
    std::string_view name;
    Scheme scheme;
};

constexpr std::array kSchemes{SchemeName{"sftp", Scheme::Sftp}, SchemeName{"ftps", Scheme::Ftps},
    SchemeName{"ftp", Scheme::Ftp}};
constexpr std::string_view kSeparator = "://";
constexpr std::string_view kPinPrefix = "sha256//";
constexpr std::size_t kSha256Base64Length = 44;
constexpr int kLargestPort = 65535;

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(digit)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The text with %XX decoded; none for a broken escape or an escaped NUL.
std::optional<std::string> DecodePercent(std::string_view text)
{
    std::string decoded;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] != '%') {
            decoded += text[index];
            continue;
        }
        const bool complete = index + 2 < text.size();
        const int high = complete ? HexValue(text[index + 1]) : -1;
        const int low = complete ? HexValue(text[index + 2]) : -1;
        if (high < 0 || low < 0 || (high == 0 && low == 0))
            return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        index += 2;
    }
    return decoded;
}

bool IsHostCharacter(char character)
{
    return std::isalnum(static_cast<unsigned char>(character)) || character == '-'
        || character == '.' || character == '_';
}

bool IsAddressCharacter(char character)
{
    return std::isxdigit(static_cast<unsigned char>(character)) || character == ':'
        || character == '.';
}

// Sets the host and port from "host", "host:port", "[v6]" or "[v6]:port".
std::string ReadHostAndPort(std::string_view text, Location& location)
{
    std::string_view host = text;
    std::string_view port;
    bool bracketed = false;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return Formatted(Translated("the address \"%s\" lacks its closing \"]\""), {text});
        host = text.substr(1, close - 1);
        bracketed = true;
        if (close + 1 < text.size()) {
            if (text[close + 1] != ':')
                return Formatted(Translated("unexpected text after the address \"%s\""),
                    {text.substr(0, close + 1)});
            port = text.substr(close + 2);
            if (port.empty())
                return Translated("the port after \":\" is missing");
        }
    } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty())
            return Translated("the port after \":\" is missing");
    }
    if (host.empty())
        return Translated("the server's name is missing");
    const auto valid = bracketed ? IsAddressCharacter : IsHostCharacter;
    for (char character : host) {
        if (!valid(character))
            return Formatted(Translated("the server's name \"%1$s\" holds the character "
                                        "\"%2$s\", which no host name has"),
                {host, std::string_view(&character, 1)});
    }
    if (host.starts_with('-'))
        return Formatted(Translated("the server's name \"%s\" starts with \"-\""), {host});
    location.host = std::string(host);
    if (!port.empty()) {
        int number = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
        if (error != std::errc() || end != port.data() + port.size() || number < 1
            || number > kLargestPort)
            return Formatted(Translated("the port \"%s\" is not a number from 1 to 65535"), {port});
        location.port = number;
    }
    return {};
}

// Sets base and path from a decoded path: "~" or "~/..." (home), "/..." (absolute).
std::string ReadPath(std::string_view path, Location& location)
{
    std::string_view rest = path;
    if (rest == "~" || rest.starts_with("~/")) {
        location.base = PathBase::Home;
        rest.remove_prefix(1);
    } else if (!rest.starts_with('/')) {
        return Formatted(
            Translated("the folder \"%s\" is neither absolute nor starts with \"~/\""), {path});
    }
    std::string normal;
    for (const std::string& component : PathComponents(rest))
        normal = location.base == PathBase::Home ? JoinPath(normal, component)
                                                 : normal + "/" + component;
    if (location.base == PathBase::Absolute && normal.empty())
        return Translated("no folder is named: write the install folder after the server, as in "
                          "sftp://host/srv/bfv or sftp://host/~/bfv");
    location.path = std::move(normal);
    return {};
}

std::string ReadUser(std::string_view userInfo, Location& location)
{
    if (userInfo.find(':') != std::string_view::npos)
        return Translated("a password does not belong in a location: Quavel asks for it, or reads "
                          "it from ~/.netrc");
    const std::optional<std::string> user = DecodePercent(userInfo);
    if (!user || user->empty())
        return Formatted(
            Translated("the user name \"%s\" is empty or holds a broken %%-escape"), {userInfo});
    location.user = *user;
    return {};
}

std::string ReadUrl(std::string_view text, Location& location)
{
    const std::size_t separator = text.find(kSeparator);
    const std::string_view scheme = text.substr(0, separator);
    const auto known = std::find_if(kSchemes.begin(), kSchemes.end(),
        [scheme](const SchemeName& entry) { return entry.name == scheme; });
    if (known == kSchemes.end())
        return Formatted(Translated("the scheme \"%s\" is not one Quavel reaches servers by: use "
                                    "sftp://, ftps:// or ftp://"),
            {scheme});
    location.scheme = known->scheme;
    std::string_view rest = text.substr(separator + kSeparator.size());
    if (const std::size_t extra = rest.find_first_of("?#"); extra != std::string_view::npos)
        return Formatted(rest[extra] == '?'
                ? Translated("a location has no query (the text from \"%s\" on)")
                : Translated("a location has no fragment (the text from \"%s\" on)"),
            {rest.substr(extra, 1)});
    const std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    const std::string_view path = slash == std::string_view::npos ? "" : rest.substr(slash);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        if (std::string error = ReadUser(authority.substr(0, at), location); !error.empty())
            return error;
        authority.remove_prefix(at + 1);
    }
    if (std::string error = ReadHostAndPort(authority, location); !error.empty())
        return error;
    std::optional<std::string> decoded = DecodePercent(path);
    if (decoded && decoded->empty())
        decoded = "/";  // sftp://host names no folder, as sftp://host/ does not
    if (!decoded)
        return Formatted(Translated("the folder \"%s\" holds a broken or NUL %%-escape"), {path});
    // "/~/bfv" is home-relative; "/srv/bfv" absolute.
    const bool home = *decoded == "/~" || decoded->starts_with("/~/");
    return ReadPath(home ? std::string_view(*decoded).substr(1) : *decoded, location);
}

}  // namespace

FolderRole Location::Role() const
{
    return EndsWithSettingsFolder(path) ? FolderRole::SettingsFolder : FolderRole::InstallFolder;
}

LocationParse ParseLocation(std::string_view text)
{
    Location location;
    location.text = std::string(text);
    std::string error;
    if (text.empty())
        error = Translated("the location is empty");
    else if (text.find('\0') != std::string_view::npos)
        error = Translated("the location holds a NUL character");
    else if (text.find(kSeparator) != std::string_view::npos)
        error = ReadUrl(text, location);
    else
        error = ReadPath(text, location);
    if (!error.empty())
        return {std::nullopt,
            // TRANSLATORS: the location as written, and what is wrong with it.
            Formatted(Translated("Cannot use the location \"%1$s\": %2$s."), {text, error})};
    return {std::move(location), {}};
}

std::string CheckPin(std::string_view pin)
{
    std::size_t start = 0;
    while (start <= pin.size()) {
        const std::size_t end = std::min(pin.find(';', start), pin.size());
        const std::string_view one = pin.substr(start, end - start);
        const std::string_view digest = one.substr(std::min(one.size(), kPinPrefix.size()));
        const bool base64 = digest.size() == kSha256Base64Length && digest.ends_with('=')
            && digest.substr(0, digest.size() - 1)
                    .find_first_not_of(
                        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
                == std::string_view::npos;
        if (!one.starts_with(kPinPrefix) || !base64)
            return Formatted(Translated("The pin \"%s\" is not \"sha256//\" followed by the 44 "
                                        "characters of a key's SHA-256 digest in base64."),
                {one});
        start = end + 1;
    }
    return {};
}
