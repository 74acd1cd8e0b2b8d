// The smallest Qt Widgets program with a dialog: the yardstick for the
// editor's start-up time and memory. With --label the dialog shows one line
// of text, which is what starting the font system costs.

#include "bench/FirstPaintProbe.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <chrono>
#include <cstring>

int main(int argc, char** argv)
{
    const auto mainStarted = std::chrono::steady_clock::now();
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication app(argc, argv);
    const FirstPaintProbe probe(mainStarted);
    QDialog dialog;
    if (withLabel)
        new QLabel(QStringLiteral("Battlefield Vietnam"), &dialog);
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
