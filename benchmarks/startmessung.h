#pragma once
// What the start-up measurements share: the wall-clock time of the first paint of a window, printed for the
// script that started the process (it subtracts its own clock reading taken just before the start), and
// the peak memory.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

class ErsterPaint : public QObject {
public:
    // `danach` runs once after the first paint (from the event loop); `bericht()` prints the figures.
    ErsterPaint(QWidget* ziel, std::function<void()> danach = {})
        : m_ziel(ziel)
        , m_danach(std::move(danach))
    {
        ziel->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == m_ziel && !m_ns) {
            m_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::system_clock::now().time_since_epoch())
                       .count();
            if (m_danach) QTimer::singleShot(0, this, m_danach);
        }
        return false;
    }

    void bericht() const
    {
        rusage r {};
        getrusage(RUSAGE_SELF, &r);
        std::printf("erstes_bild_ns %lld\nspitze_kb %ld\n", static_cast<long long>(m_ns), r.ru_maxrss);
        std::fflush(stdout);
    }

private:
    QWidget* m_ziel;
    std::function<void()> m_danach;
    long long m_ns = 0;
};
