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

    void sButton1Click();

private:
    Program& program_;
    LabeledEdit edit_;
};

}  // namespace trimel::ui
