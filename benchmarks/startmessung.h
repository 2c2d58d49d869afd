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
    ErsterPaint(QWidget* ziel, std::function<void()> danach)
        : m_ziel(ziel)
        , m_danach(std::move(danach))
    {
        ziel->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == m_ziel && !m_gemessen) {
            m_gemessen = true;
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            QTimer::singleShot(0, [this, ns] {
                rusage r {};
                getrusage(RUSAGE_SELF, &r);
                std::printf("erstes_bild_ns %lld\nspitze_kb %ld\n", static_cast<long long>(ns), r.ru_maxrss);
                std::fflush(stdout);
                m_danach();
            });
        }
        return false;
    }

private:
    QWidget* m_ziel;
    std::function<void()> m_danach;
    bool m_gemessen = false;
};
