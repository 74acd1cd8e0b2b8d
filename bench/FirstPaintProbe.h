#pragma once

// Start-up probe for the window benchmarks: once the first window has been
// painted, prints one line - the steady-clock times (nanoseconds) of main()'s
// start and of the finished first paint, and the resident memory in kB at that
// moment - then closes that window, which ends the program.

#include "bench/ResidentMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

class FirstPaintProbe : public QObject {
public:
    // Needs the application object; mainStarted is taken before it is built.
    explicit FirstPaintProbe(std::chrono::steady_clock::time_point mainStarted)
        : mainStarted_(Nanoseconds(mainStarted))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!painted_ && event->type() == QEvent::Paint && widget != nullptr) {
            painted_ = true;
            // Runs once the whole window has been painted and flushed.
            QTimer::singleShot(0, widget->window(), [this, window = widget->window()] {
                std::printf("%lld %lld %ld\n", mainStarted_,
                    Nanoseconds(std::chrono::steady_clock::now()), ResidentKilobytes());
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    static long long Nanoseconds(std::chrono::steady_clock::time_point time)
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch())
            .count();
    }

    long long mainStarted_;
    bool painted_ = false;
};
