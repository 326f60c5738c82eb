#pragma once

#include "skinwidgets/sButtonControl.h"

namespace trimel::skin {

// The skinned push button of the windows: a tab stop, 75 × 25 when made,
// with the dialog keys: Enter clicks the default button when no other
// button has the focus, Esc a cancel button.
class TsButton : public TsButtonControl {
    Q_OBJECT
  public:
    explicit TsButton(QWidget* parent = nullptr);
    ~TsButton() override;

    bool Cancel() const { return cancel_; }
    void setCancel(bool v);
    bool Default() const { return default_; }
    void setDefault(bool v);
    // The result a modal window closed by this button returns; no window
    // of the program is modal, so nothing reads it yet.
    int ModalResult() const { return modalResult_; }
    void setModalResult(int v) { modalResult_ = v; }

  protected:
    bool defaultLook() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool otherButtonFocused() const;
    void watchWindowKeys();

    bool cancel_ = false;
    bool default_ = false;
    int modalResult_ = 0;
    QMetaObject::Connection focusWatch_;
};

}  // namespace trimel::skin
