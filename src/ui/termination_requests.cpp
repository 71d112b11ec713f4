#include "ui/termination_requests.h"

#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QSocketNotifier>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace nupel {

namespace {

constexpr int requestSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe between the signal handler and the event loop. A handler can reach
// nothing but a file-level value.
int pipeEnds[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    // Only async-signal-safe work here. The write end never blocks: when the
    // pipe is full, a request is already waiting to be read.
    const int savedErrno = errno;
    const char request = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &request, 1);
    errno = savedErrno;
}

void handleRequestSignals(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    // An interrupted call carries on: a save under way is not cut short.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int number : requestSignals)
        sigaddset(&action.sa_mask, number);
    for (const int number : requestSignals)
        ::sigaction(number, &action, nullptr);
}

} // namespace

TerminationRequests::TerminationRequests(QObject *parent) : QObject(parent)
{
    Q_ASSERT(pipeEnds[0] < 0);
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("nupel: no pipe for termination requests");
        pipeEnds[0] = pipeEnds[1] = -1;
    } else {
        m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequests::readPipe);
        handleRequestSignals(onTerminationSignal);
    }
    // The session manager's order to quit comes as a quit event; the game
    // itself never asks to quit, it ends at once.
    QCoreApplication::instance()->installEventFilter(this);
#if QT_CONFIG(sessionmanager)
    // Called while the session manager waits; the answer ends the program
    // before it returns.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(
            application, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { answer(); },
            Qt::DirectConnection);
    }
#endif
}

TerminationRequests::~TerminationRequests()
{
    if (pipeEnds[0] < 0)
        return;
    handleRequestSignals(SIG_DFL);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

bool TerminationRequests::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
        return false;
    answer();
    return true;
}

void TerminationRequests::readPipe()
{
    // Signals that came together are one request.
    char drained[64];
    while (::read(pipeEnds[0], drained, sizeof drained) > 0) {
    }
    answer();
}

void TerminationRequests::answer()
{
    if (m_answering)
        return;
    const QScopedValueRollback answering(m_answering, true);
    emit requested();
}

} // namespace nupel
