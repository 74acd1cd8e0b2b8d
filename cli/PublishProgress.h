#pragma once

// The rows of a publish to several destinations, one per destination
// ("eu1: uploading 40%"), on the error stream so that the output keeps only
// what happened. On a terminal the rows are rewritten in place; elsewhere
// (a log, a pipe) each change is a plain line of its own.

#include "cli/Console.h"
#include "transport/ParallelPublish.h"

#include <string>
#include <vector>

enum class RowStyle { RewrittenInPlace, PlainLines };

class PublishProgress {
public:
    PublishProgress(Console& console, std::vector<std::string> labels, RowStyle style);

    // Called one update at a time (see ParallelPublish).
    void Show(const DestinationUpdate& update);

private:
    void Redraw();

    Console& console_;
    std::vector<std::string> labels_;
    std::vector<std::string> states_;
    RowStyle style_;
    bool drawn_ = false;
};
