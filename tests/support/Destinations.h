#pragma once

// What the transport tests share: a destination for a location they write,
// and the uploads' temporary files a publish may have left behind.

#include "transport/Destination.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

inline std::unique_ptr<Destination> DestinationAt(
    const std::string& text, const TransportOptions& options = {}, const std::string& pin = {})
{
    LocationParse parse = ParseLocation(text);
    EXPECT_TRUE(parse.location) << parse.error;
    parse.location->pin = pin;
    return MakeDestination(*parse.location, options);
}

// The uploads' temporaries left anywhere below folder.
inline std::vector<std::string> Temporaries(const std::filesystem::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".quavel-"))
            found.push_back(entry.path().string());
    }
    return found;
}
