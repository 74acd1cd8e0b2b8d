#include "session/EditHistory.h"

void EditHistory::Start(const Profile& loaded)
{
    states_.assign(1, loaded);
    present_ = 0;
    saved_ = 0;
}

bool EditHistory::Record(const Profile& edited)
{
    if (!states_.empty() && states_[present_] == edited)
        return false;
    if (!states_.empty())
        states_.resize(present_ + 1);
    if (saved_ && *saved_ > present_)
        saved_.reset();
    states_.push_back(edited);
    present_ = states_.size() - 1;
    return true;
}

std::optional<Profile> EditHistory::Undo()
{
    if (present_ == 0 || states_.empty())
        return std::nullopt;
    return states_[--present_];
}

std::optional<Profile> EditHistory::Redo()
{
    if (present_ + 1 >= states_.size())
        return std::nullopt;
    return states_[++present_];
}

void EditHistory::MarkSaved()
{
    saved_ = present_;
}
