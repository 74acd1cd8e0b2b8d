#pragma once

// The profile documents the tests start from, the edits they make to them, and
// a profile folder with its store for each test.

#include "profile/ProfileStore.h"
#include "tests/support/Documents.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

inline const std::string kDefault = DefaultBytes();

// A profile edited by hand: comments, unknown elements and odd values.
inline const std::string kHandWritten = FileBytes(QUAVEL_TEST_DATA "/HandWritten.wst");

class ProfileFolder : public ::testing::Test {
protected:
    // A name longer than the 31 characters the game allows, which the store keeps.
    const std::string kName = "Test, a name longer than thirty-one characters";

    // The document loaded from the file kName.wst.
    std::optional<Profile> Load(const std::string& document)
    {
        folder.Write(kName + ".wst", document);
        return store.LoadProfile(kName);
    }

    TestFolder folder;
    ProfileStore store{folder.path()};
};
