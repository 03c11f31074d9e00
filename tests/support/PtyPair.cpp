#include "support/PtyPair.h"

#include "ports/WaitPumping.h"

#include <QDeadlineTimer>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_slave, TCSANOW, &settings);
    m_path = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    hangUp();
}

void PtyPair::send(const QByteArray& bytes)
{
    if (m_master >= 0 && ::write(m_master, bytes.constData(), size_t(bytes.size())) != bytes.size())
        m_path.clear();
}

QByteArray PtyPair::receive(qsizetype expected, int ms)
{
    QByteArray bytes;
    QDeadlineTimer deadline(ms);
    while (bytes.size() < expected && !deadline.hasExpired() && m_master >= 0) {
        pollfd entry{m_master, POLLIN, 0};
        if (::poll(&entry, 1, int(deadline.remainingTime())) <= 0)
            break;
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

qsizetype PtyPair::pending() const
{
    int count = 0;
    return m_master >= 0 && ::ioctl(m_master, FIONREAD, &count) == 0 ? count : 0;
}

void PtyPair::jam()
{
    const int flags = ::fcntl(m_slave, F_GETFL);
    ::fcntl(m_slave, F_SETFL, flags | O_NONBLOCK);
    const QByteArray filler(4096, 'x');
    // The line moves what it holds on towards the machine in the background, making room
    // again: it is full once it has stayed without room for a while.
    for (;;) {
        if (::write(m_slave, filler.constData(), size_t(filler.size())) > 0)
            continue;
        pollfd entry{m_slave, POLLOUT, 0};
        if (::poll(&entry, 1, 100) <= 0)
            break;
    }
    ::fcntl(m_slave, F_SETFL, flags);
}

termios PtyPair::lineSettings() const
{
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    return settings;
}

void PtyPair::hangUp()
{
    for (int* fd : {&m_master, &m_slave}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool runEventsUntil(const std::function<bool()>& done, int ms)
{
    return waitPumping(done, QDeadlineTimer(ms)) == WaitOutcome::Ready;
}
