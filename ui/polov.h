#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

#include "ui/LimitedEdit.h"

class QAbstractButton;
class QLabel;

namespace trimel::ui {

class ClickLabel;
class GridView;
class Program;

// The main window: the draws and hits grids, the four command buttons,
// the summary labels the engine fills, the two part-size edits and the
// two link labels.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(Program& program);

    // Design client size; the layout below is drawn for it.
    static constexpr int kDesignWidth = 897;
    static constexpr int kDesignHeight = 516;

    GridView* StringGrid1 = nullptr;
    GridView* StringGrid2 = nullptr;
    QAbstractButton* sButton1 = nullptr;
    QAbstractButton* sButton2 = nullptr;
    QAbstractButton* sButton3 = nullptr;
    QAbstractButton* sButton4 = nullptr;
    LimitedEdit* LabeledEdit1 = nullptr;
    LimitedEdit* LabeledEdit2 = nullptr;
    ClickLabel* Label19 = nullptr;
    ClickLabel* Label20 = nullptr;

    // Label1 to Label20 by number.
    QLabel* label(int number) const;

    // Shows what the last run (complete or not) left in the main view.
    void refreshFromRun();

    // The wheels were chosen: the part sizes go into the edits and
    // "ИГРАТЬ!" is enabled.
    void showChosenSizes(int firstSize, int secondSize);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void sButton1Click();
    void sButton2Click();
    void sButton3Click();
    void sButton4Click();
    void Label19Click();
    void Label20Click();

    struct Anchored {
        QWidget* widget;
        QRect design;
        bool left, top, right, bottom;
        bool keepSize;
    };

    void FormCreate();
    void FormResize();
    void buildLayout();
    void anchor(QWidget* widget, bool left, bool top, bool right, bool bottom);
    void applyAnchors();

    Program& program_;
    std::array<QLabel*, 21> labels_{};
    LabeledEdit edit1_;
    LabeledEdit edit2_;
    std::vector<Anchored> anchored_;
};

}  // namespace trimel::ui
