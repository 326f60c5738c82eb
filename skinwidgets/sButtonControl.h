#pragma once

#include <QAbstractButton>
#include <QTimer>

#include "skin/sStyleUtil.h"

namespace trimel::skin {

class TsButtonControl;

// The fade timer of a button: it ticks the button's fade in the direction
// it holds.
class TFadeTimer : public QTimer {
    Q_OBJECT
  public:
    enum class Direction { None, In, Out };
    explicit TFadeTimer(TsButtonControl& button);

    TsButtonControl& button;
    Direction direction = Direction::None;
};

// A push button that paints itself from its style: a gradient background
// over a plain colour, the caption and a three-dimensional edge, in a
// normal and a hot look, with a cross-fade between them when the pointer
// enters or leaves. Windows use it through QAbstractButton (clicked, text,
// setEnabled).
class TsButtonControl : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TsButtonControl(QWidget* parent = nullptr);
    ~TsButtonControl() override;

    TsActiveBGStyle& sStyle() { return style_; }
    const TsActiveBGStyle& sStyle() const { return style_; }

    int BevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int v);
    bool ShowCaption() const { return showCaption_; }
    void setShowCaption(bool v);

    // Whether the button shows its hot look now.
    bool isHot() const;

    // One tick of the fade timer; public so that a fade can be stepped
    // without waiting for it.
    void fadeTick();
    int fadeStep() const { return step_; }
    TFadeTimer::Direction fadeDirection() const { return timer_.direction; }
    bool fading() const { return timer_.isActive(); }

    // The look as last drawn, at device pixels.
    const Image24& styleImage() const { return style_.image; }

  protected:
    // Whether the button is its window's default button now.
    virtual bool defaultLook() const { return false; }
    // Shows the button pressed from the keyboard; `clickNow` raises the
    // click at once, else it comes when `key` goes up. A button already
    // held by a key or the mouse ignores further keys.
    void pressByKey(int key, bool clickNow);
    // The key that pressed the button went up; false for any other key.
    bool releaseByKey(int key);
    // Marks the look for drawing anew and repaints; a running fade ends.
    void invalidate();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    void drawLook(Image24& into);
    void drawCaption(Image24& into, bool hot);
    void pointerMoved(bool over);
    void stopFade();
    void releaseKey(bool click);
    void updateRegion();
    int scale() const;
    QSize deviceSize() const;

    TsActiveBGStyle style_;
    TFadeTimer timer_{*this};
    Image24 previous_;
    Image24 frame_;  // the frame a fade shows
    bool frameShown_ = false;
    int step_ = 0;
    bool over_ = false;
    bool dirty_ = true;
    bool destroying_ = false;
    int keyDown_ = 0;  // the key that holds the button pressed, 0 = none
    bool clickOnRelease_ = false;
    QString drawnCaption_;
    int bevelWidth_ = 2;
    bool showCaption_ = true;
};

}  // namespace trimel::skin
