// Linked into a start-up benchmark program next to an unchanged main(): as
// soon as the first top-level window has been exposed and painted, the
// application quits, so the process's lifetime is its start-up time.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

class QuitWhenShown : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A window is painted while its first expose event is handled; a
        // quit queued now runs once that painting and its flush are done.
        if (event->type() == QEvent::Expose && !quitting_) {
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isTopLevel()) {
                quitting_ = true;
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
        }
        return false;
    }

private:
    bool quitting_ = false;
};

void InstallQuitWhenShown()
{
    QCoreApplication::instance()->installEventFilter(new QuitWhenShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallQuitWhenShown)
