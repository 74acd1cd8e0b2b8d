#include "app/CompareWindow.h"

#include "app/TranslatedString.h"
#include "session/ComparedProfile.h"
#include "session/EditingSession.h"
#include "session/ProfileComparison.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Names and paths are bytes as the file system spells them.
QString Text(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// Where a target writes, as the choices name it: "Server (CustomCombat.wst)".
QString TargetLabel(const PublishTargetEntry& entry)
{
    const std::string caption
        = entry.installs.empty() ? std::string("CWD") : std::string(entry.installs.front().caption);
    return Text(caption + " (" + std::string(kPublishFileName) + ")");
}

}  // namespace

CompareWindow::CompareWindow(const EditingSession& session, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , others_(new QComboBox(this))
    , lines_(new QListWidget(this))
{
    setWindowTitle(TranslatedString(kTitle));
    auto* label = new QLabel(TranslatedString("Compare the current profile with:"), this);
    label->setBuddy(others_);
    lines_->setAccessibleName(TranslatedString("Differences"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(others_);
    layout->addWidget(lines_);
    layout->addWidget(buttons);
    AddChoices();
    connect(others_, &QComboBox::currentIndexChanged, this, &CompareWindow::ShowDifferences);
    ShowDifferences();
}

void CompareWindow::AddChoices()
{
    const ProfileList& list = session_.state().profileList;
    for (int entry = 0; entry < list.Count(); ++entry) {
        others_->addItem(Text(list.NameAt(entry)));
        choices_.push_back({entry, std::nullopt});
    }
    const PublishTargets& targets = session_.publishTargets();
    for (const PublishTargetEntry& entry : publishTargets) {
        // "Both" is two files: each is offered on its own.
        if (entry.installs.size() > 1 || !targets.IsAvailable(entry.target))
            continue;
        others_->addItem(TargetLabel(entry));
        choices_.push_back({-1, entry.target});
    }
}

void CompareWindow::ChooseEntry(int entry)
{
    Choose(static_cast<int>(std::ranges::find(choices_, entry, &Choice::entry) - choices_.begin()));
}

void CompareWindow::ChooseTarget(PublishTarget target)
{
    Choose(static_cast<int>(
        std::ranges::find(choices_, std::optional(target), &Choice::target) - choices_.begin()));
}

void CompareWindow::Choose(int index)
{
    if (index < static_cast<int>(choices_.size()))
        others_->setCurrentIndex(index);
}

void CompareWindow::ShowDifferences()
{
    lines_->clear();
    ++shown_;
    const int index = others_->currentIndex();
    if (index < 0)
        return;
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    std::string problem;
    if (!choice.target) {
        const std::optional<Profile> other
            = ReadNamedProfile(session_.state().profileList.NameAt(choice.entry), problem);
        ShowAgainst(other, problem);
        return;
    }
    const PublishDestination destination
        = session_.publishTargets().Destinations(*choice.target).front();
    if (destination.remote) {
        FetchThenShow(destination);
        return;
    }
    const std::optional<Profile> other = ReadPublishedProfile(destination, problem);
    ShowAgainst(other, problem);
}

void CompareWindow::FetchThenShow(const PublishDestination& server)
{
    lines_->addItem(TranslatedString("asking the server..."));
    fetch_ = std::jthread([this, server, asked = shown_](std::stop_token stop) {
        std::string problem;
        std::optional<Profile> other = ReadPublishedProfile(server, problem, {stop, {}, {}, {}});
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, asked, other = std::move(other), problem] {
                if (asked == shown_)
                    ShowAgainst(other, problem);
            },
            Qt::QueuedConnection);
    });
}

void CompareWindow::ShowAgainst(const std::optional<Profile>& other, const std::string& problem)
{
    lines_->clear();
    if (!other) {
        lines_->addItem(Text(problem));
        return;
    }
    for (const std::string& line : ComparisonLines(CompareProfiles(session_.profile(), *other)))
        lines_->addItem(Text(line));
}
