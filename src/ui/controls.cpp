#include "ui/controls.h"

#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nupel {

GameDialog::GameDialog(const char *name, const QString &caption, QSize size, const QFont &font, EscapeKey escape,
                       QWidget *parent)
    : QDialog(parent), m_escape(escape)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFixedSize(size);
    setFont(font);
}

void GameDialog::keyPressEvent(QKeyEvent *event)
{
    if (m_escape == EscapeKey::Ignored && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

CaptionLabel::CaptionLabel(const QString &text, const QRect &geometry, QWidget *parent)
    : QLabel(text, parent), m_designSize(geometry.size())
{
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitText();
}

CaptionLabel *makeCaptionLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *label = new CaptionLabel(caption, geometry, parent);
    label->setObjectName(QLatin1String(name));
    return label;
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
    // An empty label keeps its design size: a caption-less square stays square.
    if (text().isEmpty()) {
        resize(m_designSize);
        return;
    }
    const QSize wanted = sizeHint();
    resize(qMax(m_designSize.width(), wanted.width()), qMax(m_designSize.height(), wanted.height()));
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    // The walking pet is a picture without words or frame, drawn ten times a
    // second; the style's frame code, run for no frame at all, cost more
    // than the picture.
    const QPixmap shown = pixmap();
    if (shown.isNull() || !text().isEmpty() || frameShape() != QFrame::NoFrame || !isEnabled() || hasScaledContents()
        || margin() != 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), shown);
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
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
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
                       static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
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

namespace {

// Reads one scale of a picture: the matching image inside an icon file, or
// the bitmap's "@2x"/"@3x" companion.
QImage readScale(const QString &fileName, int scale, QSize unscaled)
{
    QImageReader reader(fileName);
    if (scale == 1)
        return reader.read();
    if (reader.format() == "ico") {
        for (int i = 0; i < reader.imageCount(); ++i) {
            if (!reader.jumpToImage(i))
                break;
            const QImage image = reader.read();
            if (image.size() == unscaled * scale)
                return image;
        }
        return QImage();
    }
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString companion = fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + fileName.mid(dot);
    const QImage image = QImageReader(companion).read();
    return image.size() == unscaled * scale ? image : QImage();
}

// Keeps a label's picture at the scale of the screen it is drawn on.
class PictureKeeper final : public QObject {
public:
    explicit PictureKeeper(QLabel *label) : QObject(label), m_label(label)
    {
        setObjectName(QStringLiteral("PictureKeeper"));
        label->installEventFilter(this);
    }

    void show(const ScaledPicture &picture)
    {
        if (picture == m_picture)
            return;
        m_picture = picture;
        m_label->setPixmap(picture.forRatio(m_label->devicePixelRatioF()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A move to a screen of another ratio repaints the whole window, so
        // the scale is checked just before the label draws its picture.
        if (watched == m_label && event->type() == QEvent::Paint && !m_picture.isNull()) {
            const QPixmap wanted = m_picture.forRatio(m_label->devicePixelRatioF());
            if (wanted.cacheKey() != m_label->pixmap().cacheKey())
                m_label->setPixmap(wanted);
        }
        return false;
    }

private:
    QLabel *m_label;
    ScaledPicture m_picture;
};

} // namespace

int ScaledPicture::scaleFor(qreal devicePixelRatio)
{
    // A hair above a whole ratio is still that ratio: 2.0000001 is 2×.
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 1e-6)), 1, 3);
}

QPixmap ScaledPicture::forRatio(qreal devicePixelRatio) const
{
    if (!m_scales)
        return QPixmap();
    Scales &scales = *m_scales;
    for (int scale = scaleFor(devicePixelRatio); scale > 1; --scale) {
        const size_t slot = static_cast<size_t>(scale - 1);
        if (!scales.read[slot]) {
            scales.read[slot] = true;
            QImage image = readScale(scales.fileName, scale, scales.pixmaps[0].size());
            if (image.isNull()) {
                std::fprintf(stderr, "nupel: cannot read the picture %s at %d×\n", qPrintable(scales.fileName), scale);
            } else {
                image.setDevicePixelRatio(scale);
                scales.pixmaps[slot] = QPixmap::fromImage(std::move(image));
            }
        }
        if (!scales.pixmaps[slot].isNull())
            return scales.pixmaps[slot];
    }
    return scales.pixmaps[0];
}

void showPicture(QLabel *label, const ScaledPicture &picture)
{
    auto *keeper = label->findChild<PictureKeeper *>(QStringLiteral("PictureKeeper"), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new PictureKeeper(label);
    keeper->show(picture);
}

PictureBox::PictureBox(const QRect &geometry, QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(geometry);
    // The box paints every pixel of itself, so the window beneath is not
    // painted first each time the pet steps across the room.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const ScaledPicture &picture)
{
    m_picture = picture;
    update();
}

QPixmap PictureBox::picture() const
{
    return m_picture.forRatio(devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inner = contentsRect();
    // A step of the pet repaints only a few pixels inside the border; the
    // border is drawn when something asks for it.
    if (!inner.contains(event->rect())) {
        painter.fillRect(rect(), palette().window());
        drawFrame(&painter);
    }
    const QPixmap shown = picture();
    const QRect covered = QRect(inner.topLeft(), shown.deviceIndependentSize().toSize()) & inner;
    if (covered != inner)
        painter.fillRect(inner, palette().window());
    if (shown.isNull())
        return;
    painter.setClipRect(inner);
    painter.drawPixmap(inner.topLeft(), shown);
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

ScaledPicture PictureFiles::load(const QString &fileName)
{
    if (const auto found = m_loaded.constFind(fileName); found != m_loaded.constEnd())
        return *found;
    if (m_failed.contains(fileName))
        return ScaledPicture();
    // Read here rather than by QPixmap::load, which would also keep every
    // picture in Qt's own cache after the window that showed it has gone: the
    // title pictures, for one, are never shown again once the game starts.
    // Installed, the pictures that lie beside the program are found apart from
    // the working folder; those inside the program are named in full.
    const bool named = fileName.startsWith(QLatin1Char(':')) || QDir::searchPaths(pictureSearchPrefix).isEmpty();
    const QString path = named ? fileName : pictureSearchPrefix + QLatin1Char(':') + fileName;
    // The larger scales are read when a screen first asks for them.
    QImage image = readScale(path, 1, QSize());
    if (image.isNull()) {
        m_failed.insert(fileName);
        std::fprintf(stderr, "nupel: cannot read the picture %s\n", qPrintable(fileName));
        return ScaledPicture();
    }
    ScaledPicture picture;
    picture.m_scales = std::make_shared<ScaledPicture::Scales>();
    picture.m_scales->fileName = path;
    picture.m_scales->pixmaps[0] = QPixmap::fromImage(std::move(image));
    picture.m_scales->read[0] = true;
    m_loaded.insert(fileName, picture);
    return picture;
}

} // namespace nupel
