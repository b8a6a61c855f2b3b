#pragma once
// Helpers of the window's tests: waiting for the event loop, and answering
// the modal dialogs a window opens.
#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace acad::view::test {

// Runs the event loop until `done` holds or the time is up; returns `done`.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Posted events (the window's refresh among them) and deferred deletions.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Answers modal dialogs as they come up, one step for each, in order.
class DialogScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogScript(std::deque<Step> steps) : steps_(std::move(steps))
    {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    // The number of dialogs answered.
    int answered() const { return answered_; }
    bool finished() const { return steps_.empty(); }

private:
    void poll()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == last_ || steps_.empty())
            return;
        last_ = dialog;
        Step step = std::move(steps_.front());
        steps_.pop_front();
        ++answered_;
        step(dialog);
    }

    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> last_;
    int answered_ = 0;
};

} // namespace acad::view::test
