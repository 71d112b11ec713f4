// The floor of what the idle game does on screen, without the game: a Qt 6
// Widgets window in which a 32 x 32 picture with a transparent outline walks
// across an opaque room ten times a second, the room and the picture drawn
// the way the main window draws them (an opaque box, a label that moves),
// with the settings the game runs with.
//
//   nupel-bench-walk            the picture walks
//   nupel-bench-walk --still    the same window and timer, nothing moves
//
// Set beside a peer, the first shows what any Qt Widgets program that moves
// a picture ten times a second costs; the second shows what waking ten
// times a second alone costs.

#include "ui/long_running.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class Room : public QWidget {
public:
    explicit Room(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(150, 200, 250));
    }
};

QPixmap roundPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(250, 220, 80));
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool still = argc > 1 && std::strcmp(argv[1], "--still") == 0;
    // Run as the game runs.
    nupel::settleForLongRunning();
    QApplication app(argc, argv);

    // The main window's size, room and pet.
    QWidget window;
    window.setWindowTitle(still ? QStringLiteral("Still window") : QStringLiteral("Walking window"));
    window.setFixedSize(527, 412);
    Room room(&window);
    room.setGeometry(16, 88, 289, 225);
    QLabel pet(&room);
    pet.setPixmap(roundPicture());
    const QPoint start(8, 184);
    pet.setGeometry(QRect(start, QSize(32, 32)));

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(100);
    // Eight pixels a step, back and forth along the floor of the room.
    int step = 8;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (still)
            return;
        QPoint next = pet.pos() + QPoint(step, 0);
        if (next.x() < start.x() || next.x() + pet.width() > room.width() - 8) {
            step = -step;
            next = pet.pos() + QPoint(step, 0);
        }
        pet.move(next);
    });
    timer.start();

    window.show();
    return app.exec();
}
