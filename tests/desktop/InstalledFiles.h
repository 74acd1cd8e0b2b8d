#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The sizes of the fixed-size icons in the hicolor theme.
constexpr std::array kIconSizes{16, 32, 48};

inline QString IconFile(int size)
{
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png")
        .arg(size)
        .arg(QStringLiteral(QUAVEL_APPLICATION_ID));
}

inline QString DesktopEntryFile()
{
    return QStringLiteral("share/applications/" QUAVEL_APPLICATION_ID ".desktop");
}

inline QString MetainfoFile()
{
    return QStringLiteral("share/metainfo/" QUAVEL_APPLICATION_ID ".metainfo.xml");
}

inline QString ScalableIconFile()
{
    return QStringLiteral("share/icons/hicolor/scalable/apps/" QUAVEL_APPLICATION_ID ".svg");
}

// Every file an install puts down, relative to its prefix.
inline QStringList InstalledFiles()
{
    QStringList files{QStringLiteral("bin/quavel"), QStringLiteral("bin/quavel-cli"),
        DesktopEntryFile(), MetainfoFile(), ScalableIconFile()};
    for (int size : kIconSizes)
        files.append(IconFile(size));
    return files;
}
