#pragma once

#include <QObject>

class QSocketNotifier;

namespace nupel {

// The desktop's requests to end the program, delivered as one signal on the
// event loop, also from inside a modal window's loop: SIGTERM, SIGHUP and
// SIGINT, the session manager's request to save before the session ends, and
// its order to quit.
// The signal handler only writes a byte to a pipe that the loop reads. A
// request that arrives while an earlier one is being answered is dropped, so
// nothing interrupts the answer. One instance at a time; it gives the signals
// their default handling back when it goes.
class TerminationRequests final : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequests(QObject *parent = nullptr);
    ~TerminationRequests() override;

signals:
    void requested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readPipe();
    void answer();

    QSocketNotifier *m_notifier = nullptr;
    bool m_answering = false;
};

} // namespace nupel
