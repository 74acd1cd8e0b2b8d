#pragma once

// The program's own pictures, drawn at run time so that it needs no image
// files: the application icon (an olive shield bearing a Q; the same motif is
// kept as resources/quavel.svg for desktop menus), the About box's banner and
// its donation button.

#include <QIcon>
#include <QImage>

// The icon in the sizes window frames and task bars ask for: 16, 32 and 48 pixels.
QIcon ApplicationIcon();
// Sizes below are in device-independent pixels; each picture is drawn with
// devicePixelRatio image pixels to each of them.

// The icon drawn at size × size pixels, transparent around the shield.
QImage IconImage(int size, qreal devicePixelRatio = 1);
// 350 × 41 pixels: the program's name on a dark olive band.
QImage BannerImage(qreal devicePixelRatio);
// 62 × 31 pixels: a "Donate" pill, transparent around it.
QImage DonateButtonImage(qreal devicePixelRatio);
