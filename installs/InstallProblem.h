#pragma once

// Why an install of the game or of its server cannot be published to, and why
// a file the search came across was left unread. The window's tooltips and
// menu and quavel-cli show the same texts, made here once.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

enum class InstallProblem {
    None,
    NoPrefix,             // no Wine prefix was found at all
    NoRegistry,           // detail: the prefix folder
    RegistryUnreadable,   // detail: the SkippedFile's text
    KeyMissing,           // detail: the key or keys read
    ValueMissing,         // detail: the key read
    NotPlainString,       // detail: the key read
    ValueTooLong,         // detail: the key read
    DriveWithoutLink,     // detail: the install folder as a Windows path
    ChosenFolderMissing,  // detail: the chosen folder
};

// The problem's text with its detail put in; "" for None.
std::string DescribeProblem(InstallProblem problem, std::string_view detail);

// The files the search reads, each with limits of its own (see SearchedFileRead).
enum class SearchedFile { WineRegistry, SteamLibraryList, LutrisGame, SettingsFile };

// A file that exists but was not used, with the reason made by one of the
// functions below.
struct SkippedFile {
    SearchedFile kind = SearchedFile::WineRegistry;
    std::filesystem::path path;
    std::string reason;

    // "cannot read the Wine registry /home/me/.wine/system.reg: Permission denied"
    std::string Text() const;
};

// Opening or reading failed with errno error ("not a regular file" for EINVAL).
std::string FileErrorReason(int error);
// The file has size bytes, or grew while read, against a limit in whole MiB.
std::string FileSizeReason(std::uintmax_t size, std::size_t limit);
// Line numbers count from 1.
std::string LongLineReason(std::size_t line, std::size_t limit);
std::string NulByteReason(std::size_t line);
std::string NotWineRegistryReason();
// line and column count from 1; 0 when the parser did not say where.
std::string YamlErrorReason(std::size_t line, std::size_t column, std::string_view message);
