#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The sizes of the fixed-size icons in the hicolor theme.
constexpr std::array kIconSizes{16, 32, 48};

inline QString IconFile(int size)
{
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/" QUAVEL_APPLICATION_ID ".png").arg(size);
}

constexpr const char* kDesktopEntry = "share/applications/" QUAVEL_APPLICATION_ID ".desktop";
constexpr const char* kMetainfo = "share/metainfo/" QUAVEL_APPLICATION_ID ".metainfo.xml";
constexpr const char* kScalableIcon
    = "share/icons/hicolor/scalable/apps/" QUAVEL_APPLICATION_ID ".svg";
constexpr const char* kMimePackage = "share/mime/packages/" QUAVEL_APPLICATION_ID ".xml";
constexpr const char* kBashCompletion = "share/bash-completion/completions/quavel-cli";
constexpr const char* kFishCompletion = "share/fish/vendor_completions.d/quavel-cli.fish";

// Every file an install puts down, relative to its prefix; zshFolder is
// where zsh reads packages' completions under that prefix.
inline QStringList InstalledFiles(const QString& zshFolder)
{
    QStringList files{"bin/quavel", "bin/quavel-cli", kDesktopEntry, kMetainfo, kScalableIcon,
        kMimePackage, "share/man/man1/quavel.1.gz", "share/man/man1/quavel-cli.1.gz",
        "share/doc/quavel/copyright", "share/doc/quavel/changelog.gz", kBashCompletion,
        kFishCompletion, zshFolder + "/_quavel-cli"};
    for (int size : kIconSizes)
        files.append(IconFile(size));
    return files;
}
