#pragma once

#include <QWidget>

#include "ui/LimitedEdit.h"

class QAbstractButton;
class QLabel;

namespace trimel::ui {

class Program;

// The favourite numbers window: one edit of two-character groups and the
// button that turns them into the first part's numbers.
class TForm2 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm2(Program& program);

    QLabel* Label1 = nullptr;
    LimitedEdit* LabeledEdit1 = nullptr;
    QAbstractButton* sButton1 = nullptr;

    // A first part of `size` numbers takes up to 2 * size characters.
    void limitToPart(int size);

  private:
    void sButton1Click();

    Program& program_;
    LabeledEdit edit_;
};

}  // namespace trimel::ui
