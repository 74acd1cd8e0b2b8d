#pragma once

// The "Publish To" buttons' tooltips tell, below the file each writes, what
// that file holds now by the publish journal: "CustomCombat_Night, published
// 2025-01-02 14:04", or that it was changed there since. The journal and the
// files are read each time a tooltip is about to show, so it is never stale.

#include "session/PublishTarget.h"

#include <QObject>

class EditingSession;
class PublishTargetButtons;

class HoldingTips : public QObject {
public:
    HoldingTips(const PublishTargetButtons& buttons, const EditingSession& session);

    // The tooltip the target's button shows now.
    QString ToolTipOf(PublishTarget target) const;
    // Every button's tooltip as it is now, for screen readers that read it unasked.
    void ShowAll() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PublishTargetButtons& buttons_;
    const EditingSession& session_;
};
