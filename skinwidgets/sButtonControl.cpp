#include "skinwidgets/sButtonControl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcutEvent>
#include <algorithm>
#include <cmath>

#include "skin/Fade.h"

namespace trimel::skin {

namespace {

QImage wrap(Image24& image) {
    return QImage(image.bits(), image.width(), image.height(),
                  static_cast<qsizetype>(image.stride()), QImage::Format_RGB888);
}

QColor qColor(TColor c) {
    const Rgb rgb = rgbOf(c);
    return QColor(rgb.r, rgb.g, rgb.b);
}

TColor tColor(const QColor& c) {
    return colorOf({static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue())});
}

QFont withStyle(QFont font, TFontStyles styles) {
    font.setBold(styles & fsBold);
    font.setItalic(styles & fsItalic);
    font.setUnderline(styles & fsUnderline);
    font.setStrikeOut(styles & fsStrikeOut);
    return font;
}

}  // namespace

TFadeTimer::TFadeTimer(TsButtonControl& owner) : button(owner) {
    connect(this, &QTimer::timeout, this, [this] { button.fadeTick(); });
}

TsButtonControl::TsButtonControl(QWidget* parent)
    : QAbstractButton(parent), style_([this] {
          updateRegion();
          dirty_ = true;
          update();
      }) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the style image covers every pixel
    setFocusPolicy(Qt::ClickFocus);
    updateRegion();
}

TsButtonControl::~TsButtonControl() {
    destroying_ = true;
    timer_.direction = TFadeTimer::Direction::None;
    timer_.stop();
}

void TsButtonControl::setBevelWidth(int v) {
    if (bevelWidth_ == v) return;
    bevelWidth_ = v;
    invalidate();
}

void TsButtonControl::setShowCaption(bool v) {
    if (showCaption_ == v) return;
    showCaption_ = v;
    invalidate();
}

bool TsButtonControl::isHot() const {
    return defaultLook() || (isEnabled() && (isDown() || hasFocus() || over_));
}

int TsButtonControl::scale() const {
    return std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
}

void TsButtonControl::invalidate() {
    stopFade();
    dirty_ = true;
    update();
}

void TsButtonControl::stopFade() {
    timer_.direction = TFadeTimer::Direction::None;
    timer_.stop();
    frameShown_ = false;
}

QSize TsButtonControl::deviceSize() const {
    const double dpr = devicePixelRatioF();
    return {static_cast<int>(std::lround(width() * dpr)),
            static_cast<int>(std::lround(height() * dpr))};
}

void TsButtonControl::drawLook(Image24& into) {
    into.resize(deviceSize().width(), deviceSize().height());
    const LookState look{isHot(), isDown(), scale()};
    const QWidget* parent = parentWidget();
    paintLookBackground(style_, look,
                        tColor((parent ? parent : this)->palette().color(QPalette::Window)), into);
    if (showCaption_) drawCaption(into, look.hot);
    paintLookEdge(style_, look, bevelWidth_, into);
    drawnCaption_ = text();
}

void TsButtonControl::drawCaption(Image24& into, bool hot) {
    QImage image = wrap(into);
    image.setDevicePixelRatio(devicePixelRatioF());
    QPainter p(&image);
    QFont f = font();
    QColor colour = palette().color(QPalette::ButtonText);
    if (hot) {
        f = withStyle(f, style_.HotStyle.HotPainting.FontStyle());
        colour = qColor(style_.HotStyle.HotPainting.FontColor());
    }
    p.setFont(f);
    QRect r = rect();
    if (isDown()) r.translate(1, 1);
    // The text box is as high as a "W" of the font, centred on the button.
    const int h = QFontMetrics(f).height();
    const QRect box(r.left(), (r.top() + r.top() + r.height() - h) / 2, r.width(), h);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    if (!isEnabled()) {
        p.setPen(palette().color(QPalette::Active, QPalette::Light));
        p.drawText(box.translated(1, 1), flags, text());
        colour = palette().color(QPalette::Active, QPalette::Dark);
    }
    p.setPen(colour);
    p.drawText(box, flags, text());
}

void TsButtonControl::paintEvent(QPaintEvent*) {
    if (text() != drawnCaption_) dirty_ = true;
    if (dirty_) {
        if (!timer_.isActive()) drawLook(style_.image);
        dirty_ = false;
    }
    // While a fade runs, the last frame stays on screen between ticks.
    QImage shown = wrap(frameShown_ && timer_.isActive() ? frame_ : style_.image);
    shown.setDevicePixelRatio(devicePixelRatioF());
    QPainter(this).drawImage(QPoint(0, 0), shown);
}

void TsButtonControl::pointerMoved(bool over) {
    const bool wasHot = isHot();
    over_ = over;
    if (isHot() == wasHot) return;  // focused, pressed, default or disabled
    if (!style_.fades()) {
        invalidate();
        return;
    }
    const bool in = over;
    const bool running = timer_.isActive();
    if (!running && dirty_) drawLook(style_.image);  // the look being left
    previous_ = style_.image;
    drawLook(style_.image);
    frame_ = previous_;
    frameShown_ = true;
    if (in) step_ = 1;
    const TsFading& fading = style_.HotStyle.HotEffects.Fading;
    timer_.direction = in ? TFadeTimer::Direction::In : TFadeTimer::Direction::Out;
    timer_.start(std::max(1, int{in ? fading.IntervalIn() : fading.IntervalOut()}));
    dirty_ = false;
}

void TsButtonControl::fadeTick() {
    if (destroying_ || QCoreApplication::closingDown())
        timer_.direction = TFadeTimer::Direction::None;
    const int iterations = style_.HotStyle.HotEffects.Fading.Iterations();
    if (step_ > iterations || step_ < 0) {
        step_ += step_ > iterations ? -1 : 1;
        stopFade();
        dirty_ = true;
        repaint();  // the exact new look
        return;
    }
    switch (timer_.direction) {
        case TFadeTimer::Direction::None:
            stopFade();
            return;
        case TFadeTimer::Direction::In:
            fadeFrame(previous_, style_.image, fadeWeight(step_, iterations), frame_);
            ++step_;
            break;
        case TFadeTimer::Direction::Out:
            fadeFrame(style_.image, previous_, fadeWeight(step_, iterations), frame_);
            --step_;
            break;
    }
    frameShown_ = true;
    repaint();
}

void TsButtonControl::mousePressEvent(QMouseEvent* event) {
    stopFade();
    step_ = style_.HotStyle.HotEffects.Fading.Iterations() - 1;
    if (event->button() == Qt::LeftButton && isEnabled() && !isDown()) {
        setDown(true);
        invalidate();
        emit pressed();
    }
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TsButtonControl::mouseReleaseEvent(QMouseEvent* event) {
    step_ = style_.HotStyle.HotEffects.Fading.Iterations() - 1;
    stopFade();
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    const bool wasDown = isDown() && keyDown_ == 0;
    setDown(false);
    invalidate();
    emit released();
    if (wasDown && hitButton(event->position().toPoint())) emit clicked(false);
}

void TsButtonControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();  // the button stays pressed until the release
}

void TsButtonControl::enterEvent(QEnterEvent*) {
    pointerMoved(true);
}

void TsButtonControl::leaveEvent(QEvent*) {
    pointerMoved(false);
}

void TsButtonControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    invalidate();
}

void TsButtonControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (keyDown_ != 0) releaseKey(false);
    invalidate();
}

void TsButtonControl::pressByKey(int key, bool clickNow) {
    if (!isEnabled() || keyDown_ != 0 || isDown()) return;
    keyDown_ = key;
    clickOnRelease_ = !clickNow;
    setDown(true);
    invalidate();
    if (clickNow) emit clicked(false);
}

bool TsButtonControl::releaseByKey(int key) {
    if (keyDown_ == 0 || key != keyDown_) return false;
    releaseKey(clickOnRelease_);
    return true;
}

void TsButtonControl::releaseKey(bool click) {
    keyDown_ = 0;
    setDown(false);
    invalidate();
    if (click && isEnabled()) emit clicked(false);
}

void TsButtonControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) pressByKey(key, key != Qt::Key_Space);
        event->accept();  // a held key gives one click
        return;
    }
    QWidget::keyPressEvent(event);
}

void TsButtonControl::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && releaseByKey(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool TsButtonControl::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // The caption's access key: the button takes the focus, so the
        // key's release comes here and gives the click.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (isEnabled() && !shortcut->isAmbiguous() && !shortcut->key().isEmpty()) {
            setFocus(Qt::ShortcutFocusReason);
            pressByKey(shortcut->key()[static_cast<uint>(shortcut->key().count() - 1)].key(),
                       false);
        }
        return true;
    }
    return QAbstractButton::event(event);
}

void TsButtonControl::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                keyDown_ = 0;
                setDown(false);
            }
            invalidate();
            break;
        case QEvent::FontChange:
        case QEvent::PaletteChange:
            dirty_ = true;  // drawn with the next paint, or when a fade ends
            update();
            break;
        default:
            break;
    }
    QAbstractButton::changeEvent(event);
}

void TsButtonControl::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    updateRegion();
    dirty_ = true;
    // A fade's images must have the new size; the toolkit also repeats
    // the old size to a hidden button, which changes nothing.
    if (style_.image.width() != deviceSize().width() ||
        style_.image.height() != deviceSize().height())
        stopFade();
}

void TsButtonControl::moveEvent(QMoveEvent* event) {
    QAbstractButton::moveEvent(event);
    updateRegion();
    dirty_ = true;
}

void TsButtonControl::updateRegion() {
    if (!style_.SoftControl() || width() < 2 || height() < 2) {
        clearMask();
        return;
    }
    // The four corner pixels are cut off: the edge looks rounded.
    const int r = width() - 1, b = height() - 1;
    QRegion region(rect());
    for (const QPoint& p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        region -= QRegion(p.x(), p.y(), 1, 1);
    setMask(region);
}

bool TsButtonControl::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace trimel::skin
