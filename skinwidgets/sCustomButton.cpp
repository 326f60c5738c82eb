#include "skinwidgets/sCustomButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace trimel::skin {

TsButton::TsButton(QWidget* parent) : TsButtonControl(parent) {
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
    // A default button's look follows the focus of the other buttons.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] {
        if (default_) invalidate();
    });
}

// The focus leaves a button while the widget below it is taken down.
TsButton::~TsButton() {
    disconnect(focusWatch_);
}

void TsButton::setCancel(bool v) {
    cancel_ = v;
    watchWindowKeys();
}

void TsButton::setDefault(bool v) {
    if (default_ == v) return;
    default_ = v;
    watchWindowKeys();
    invalidate();
}

bool TsButton::otherButtonFocused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != this && qobject_cast<const TsButtonControl*>(focus) != nullptr;
}

bool TsButton::defaultLook() const {
    return default_ && !otherButtonFocused();
}

void TsButton::watchWindowKeys() {
    // Keys that no control takes reach the window; installing again only
    // moves the filter to the front.
    if (cancel_ || default_) window()->installEventFilter(this);
}

void TsButton::showEvent(QShowEvent* event) {
    watchWindowKeys();  // the window may have changed since
    TsButtonControl::showEvent(event);
}

bool TsButton::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (watched != window() || (!press && event->type() != QEvent::KeyRelease) || !isVisible())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && default_ &&
                       !otherButtonFocused();
    const bool escape = key->key() == Qt::Key_Escape && cancel_;
    if (!enter && !escape) return false;
    if (key->isAutoRepeat()) return true;
    if (press)
        pressByKey(key->key(), true);
    else
        releaseByKey(key->key());
    return true;
}

}  // namespace trimel::skin
