#include "cli/PublishProgress.h"

#include "session/Messages.h"

PublishProgress::PublishProgress(Console& console, std::vector<std::string> labels, RowStyle style)
    : console_(console)
    , labels_(std::move(labels))
    , states_(labels_.size())
    , style_(style)
{
}

void PublishProgress::Show(const DestinationUpdate& update)
{
    std::string state = Messages::DestinationStateText(update);
    if (update.index >= states_.size() || states_[update.index] == state)
        return;
    states_[update.index] = std::move(state);
    if (style_ == RowStyle::PlainLines) {
        console_.err << labels_[update.index] << ": " << states_[update.index] << '\n';
        return;
    }
    Redraw();
}

void PublishProgress::Redraw()
{
    // Back to the first row, then each row cleared and written again.
    if (drawn_)
        console_.err << "\x1b[" << labels_.size() << 'F';
    for (std::size_t index = 0; index < labels_.size(); ++index)
        console_.err << "\x1b[2K" << labels_[index] << ": " << states_[index] << '\n';
    console_.err.flush();
    drawn_ = true;
}
