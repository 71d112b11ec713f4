#include "ui/controls.h"

#include <QDir>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace nupel {

CaptionLabel::CaptionLabel(const QString &text, const QRect &geometry, QWidget *parent)
    : QLabel(text, parent), m_designSize(geometry.size())
{
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitText();
}

void CaptionLabel::setCaption(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    fitText();
}

void CaptionLabel::fitText()
{
    const QSize wanted = sizeHint();
    resize(qMax(m_designSize.width(), wanted.width()), qMax(m_designSize.height(), wanted.height()));
}

int CaptionLabel::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int CaptionLabel::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
           + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
           + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()),
                       static_cast<float>(event->position().x()),
                       static_cast<float>(event->position().y()));
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a double-click is the double-click and nothing
    // else: its release reports the button but is no second click.
    m_pressed = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

PictureBox::PictureBox(const QRect &geometry, QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(geometry);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The room has no double-click of its own: the second click of one is
    // not a second click.
    m_pressed = false;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void SystemFrameClock::callAfter(int ms, QObject *context, std::function<void()> call)
{
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(call));
}

FrameThrottle::FrameThrottle(QObject *context, std::function<void()> draw, FrameClock &clock)
    : m_context(context), m_draw(std::move(draw)), m_clock(&clock)
{
}

void FrameThrottle::setClock(FrameClock &clock)
{
    m_clock = &clock;
    m_drawnAt.reset();
    m_waiting = false;
}

void FrameThrottle::moved()
{
    if (m_waiting)
        return;
    const qint64 sinceDrawn = m_drawnAt ? m_clock->now() - *m_drawnAt : frameMs;
    if (sinceDrawn >= frameMs) {
        drawNow();
        return;
    }
    m_waiting = true;
    m_clock->callAfter(static_cast<int>(frameMs - sinceDrawn), m_context, [this] {
        m_waiting = false;
        drawNow();
    });
}

void FrameThrottle::drawNow()
{
    m_drawnAt = m_clock->now();
    m_draw();
}

QPixmap PictureFiles::load(const QString &fileName)
{
    if (const auto found = m_loaded.constFind(fileName); found != m_loaded.constEnd())
        return *found;
    if (m_failed.contains(fileName))
        return QPixmap();
    // Read here rather than by QPixmap::load, which would also keep every
    // picture in Qt's own cache after the window that showed it has gone: the
    // title pictures, for one, are never shown again once the game starts.
    // Installed, the pictures lie apart from the working folder.
    const QString path = QDir::searchPaths(pictureSearchPrefix).isEmpty()
                             ? fileName
                             : pictureSearchPrefix + QLatin1Char(':') + fileName;
    QImage image = QImageReader(path).read();
    if (image.isNull()) {
        m_failed.insert(fileName);
        std::fprintf(stderr, "nupel: cannot read the picture %s\n", qPrintable(fileName));
        return QPixmap();
    }
    const QPixmap picture = QPixmap::fromImage(std::move(image));
    m_loaded.insert(fileName, picture);
    return picture;
}

} // namespace nupel
