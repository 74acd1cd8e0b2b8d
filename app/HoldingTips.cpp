#include "app/HoldingTips.h"

#include "panels/PublishTargetButtons.h"
#include "session/EditingSession.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFile>

HoldingTips::HoldingTips(const PublishTargetButtons& buttons, const EditingSession& session)
    : buttons_(buttons)
    , session_(session)
{
    for (const PublishTargetEntry& entry : publishTargets)
        buttons_.ButtonOf(entry.target).installEventFilter(this);
}

QString HoldingTips::ToolTipOf(PublishTarget target) const
{
    const PublishTargets& targets = session_.publishTargets();
    std::string text = targets.Description(target);
    if (targets.IsAvailable(target)) {
        const std::vector<PublishDestination> destinations = targets.Destinations(target);
        const std::vector<DestinationHolding> holdings = session_.Holdings(target);
        for (std::size_t index = 0; index < holdings.size(); ++index) {
            text += '\n';
            if (holdings.size() > 1)
                text += destinations[index].label + ": ";
            text += holdings[index].Text();
        }
    }
    // Paths are bytes as the file system spells them.
    return QFile::decodeName(QByteArray::fromStdString(text));
}

void HoldingTips::ShowAll() const
{
    for (const PublishTargetEntry& entry : publishTargets)
        buttons_.ButtonOf(entry.target).setToolTip(ToolTipOf(entry.target));
}

bool HoldingTips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    for (const PublishTargetEntry& entry : publishTargets) {
        QAbstractButton& button = buttons_.ButtonOf(entry.target);
        if (&button == watched)
            button.setToolTip(ToolTipOf(entry.target));
    }
    return false;  // the button shows its tooltip, now up to date
}
