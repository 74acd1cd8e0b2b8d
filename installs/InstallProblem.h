#pragma once

// Why an install of the game or of its server cannot be published to. The
// window's tooltips and quavel-cli show the same texts, made here once.

#include <string>
#include <string_view>

enum class InstallProblem {
    None,
    NoPrefix,             // no Wine prefix was found at all
    NoRegistry,           // detail: the prefix folder
    KeyMissing,           // detail: the key or keys read
    ValueMissing,         // detail: the key read
    NotPlainString,       // detail: the key read
    ValueTooLong,         // detail: the key read
    DriveWithoutLink,     // detail: the install folder as a Windows path
    ChosenFolderMissing,  // detail: the chosen folder
};

// The problem's text with its detail put in; "" for None.
std::string DescribeProblem(InstallProblem problem, std::string_view detail);
