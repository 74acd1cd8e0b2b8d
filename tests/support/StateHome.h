#pragma once

// A state folder of the test's own ($XDG_STATE_HOME) while the object lives,
// so that the publish journal and recovery copies of a test never reach the
// user's. Tests run one process each, so changing the environment is safe.

#include "tests/support/TestFolder.h"

#include <cstdlib>
#include <optional>
#include <string>

class StateHome : public TestFolder {
public:
    StateHome()
    {
        if (const char* previous = std::getenv("XDG_STATE_HOME"))
            previous_ = previous;
        ::setenv("XDG_STATE_HOME", path().c_str(), 1);
    }
    ~StateHome()
    {
        if (previous_)
            ::setenv("XDG_STATE_HOME", previous_->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }

    std::filesystem::path Journal() const { return path() / "quavel" / "publish.journal"; }

private:
    std::optional<std::string> previous_;
};
