#pragma once

// A drop-down list with its own colours and font, always opaque: its
// background colour fills both its face and its opened list. The mouse wheel
// turns it only while it has the focus, so that a wheel meant for something
// else cannot change an entry unseen; Tab and a click give it the focus. An
// entry too long for the face is drawn narrower rather than cut off.

#include "controls/StyledControl.h"

#include <QComboBox>
#include <QStyleOptionComboBox>

class StyledComboBox : public StyledControl<QComboBox> {
    Q_OBJECT
public:
    explicit StyledComboBox(QWidget* parent = nullptr);

    using StyledControl::SetInteractive;

    // The font the face draws this entry in: its own, squeezed narrower when
    // the entry would not fit otherwise.
    QFont FaceFont(const QString& entry) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect TextField(const QStyleOptionComboBox& option) const;
};
