#include "app/HoldingTips.h"

#include "app/ServerHoldings.h"
#include "panels/PublishTargetButtons.h"
#include "session/EditingSession.h"

#include <QAbstractButton>
#include <QCursor>
#include <QEvent>
#include <QFile>
#include <QToolTip>

HoldingTips::HoldingTips(
    const PublishTargetButtons& buttons, const EditingSession& session, ServerHoldings& servers)
    : buttons_(buttons)
    , session_(session)
    , servers_(servers)
{
    for (const PublishTargetEntry& entry : publishTargets)
        buttons_.ButtonOf(entry.target).installEventFilter(this);
    connect(&servers_, &ServerHoldings::Answered, this, &HoldingTips::ShowKnown);
}

QString HoldingTips::ToolTipOf(PublishTarget target) const
{
    const PublishTargets& targets = session_.publishTargets();
    std::string text = targets.Description(target);
    if (targets.IsAvailable(target)) {
        const std::vector<PublishDestination> destinations = targets.Destinations(target);
        for (const PublishDestination& destination : destinations) {
            text += '\n';
            if (destinations.size() > 1)
                text += destination.label + ": ";
            text += servers_.TextOf(destination);
        }
    }
    // Paths are bytes as the file system spells them.
    return QFile::decodeName(QByteArray::fromStdString(text));
}

void HoldingTips::AskServersOf(PublishTarget target)
{
    if (session_.publishTargets().IsAvailable(target))
        servers_.Ask(session_.publishTargets().Destinations(target));
}

void HoldingTips::ShowAll()
{
    for (const PublishTargetEntry& entry : publishTargets)
        AskServersOf(entry.target);
    ShowKnown();
}

void HoldingTips::ShowKnown()
{
    for (const PublishTargetEntry& entry : publishTargets) {
        QAbstractButton& button = buttons_.ButtonOf(entry.target);
        button.setToolTip(ToolTipOf(entry.target));
        if (QToolTip::isVisible() && button.underMouse())
            QToolTip::showText(QCursor::pos(), button.toolTip(), &button);
    }
}

bool HoldingTips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    for (const PublishTargetEntry& entry : publishTargets) {
        QAbstractButton& button = buttons_.ButtonOf(entry.target);
        if (&button == watched) {
            AskServersOf(entry.target);
            button.setToolTip(ToolTipOf(entry.target));
        }
    }
    return false;  // the button shows its tooltip, now up to date
}
