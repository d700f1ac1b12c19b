// The start-up bench's observer, loaded into the program under measure with LD_PRELOAD, so that
// the program itself stays as the user runs it: nothing in it asks for the measure or knows of it.
// When the program's application object is made it watches every event; at the first paint of a
// widget of a visible window it waits for the event loop to come round again (the painted window
// has then been handed to the display), writes the moment to standard output as
//     primo disegno NANOSECONDS
// (CLOCK_MONOTONIC, the clock the bench reads before starting the process) and asks the program to
// quit, so that it ends as it ends for the user and stops what it started (the music player).
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

void segnaIstante()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    char riga[64];
    const int n = std::snprintf(riga, sizeof riga, "primo disegno %lld\n",
                                static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
    if (n > 0 && write(STDOUT_FILENO, riga, static_cast<size_t>(n)) != n)
        std::perror("osservatore dell'avvio");
}

class Osservatore : public QObject {
public:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (!m_visto && evento->type() == QEvent::Paint && oggetto->isWidgetType()
            && static_cast<QWidget*>(oggetto)->window()->isVisible()) {
            m_visto = true;
            QMetaObject::invokeMethod(
                this, [] {
                    segnaIstante();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_visto = false;
};

// Called by the application object's constructor, before the program's first window.
void installa()
{
    QCoreApplication::instance()->installEventFilter(new Osservatore);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installa)
