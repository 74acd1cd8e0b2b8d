#pragma once

// The "Publish To" buttons' tooltips tell, below the file each writes, what
// that file holds now by the publish journal: "CustomCombat_Night, published
// 2025-01-02 14:04", or that it was changed there since. Local files are read
// each time a tooltip is about to show, so it is never stale; a server's
// answer fills the tooltip in when it comes, shown or not.

#include "session/PublishTarget.h"

#include <QObject>

class EditingSession;
class PublishTargetButtons;
class ServerHoldings;

class HoldingTips : public QObject {
public:
    HoldingTips(const PublishTargetButtons& buttons, const EditingSession& session,
        ServerHoldings& servers);

    // Every button's tooltip, asking the servers again, for screen readers
    // that read it unasked.
    void ShowAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tooltip the target's button shows, from what is known now.
    QString ToolTipOf(PublishTarget target) const;
    void AskServersOf(PublishTarget target);
    // Each button's tooltip from what is known now; one on screen changes with it.
    void ShowKnown();

    const PublishTargetButtons& buttons_;
    const EditingSession& session_;
    ServerHoldings& servers_;
};
