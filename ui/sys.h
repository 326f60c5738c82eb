#pragma once

#include <QWidget>
#include <array>

class QAbstractButton;
class QLabel;
class QListWidget;

namespace trimel::ui {

class Program;

// The wheel selection window: three rows of lists, one per guarantee; the
// left list of a row chooses the first part's wheel, the right one the
// second part's.
class TForm4 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm4(Program& program);

    // ListBox1 to ListBox6 by number.
    QListWidget* listBox(int number) const;
    QAbstractButton* sButton1 = nullptr;

    // "Системы" of the main window: refill the lists and show.
    void fillAndShow();

  signals:
    // "Выбрать" took the chosen wheels: the parts' new sizes, the second 0
    // when the first wheel covers every number.
    void wheelsChosen(int firstSize, int secondSize);

  protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose: only hides

  private:
    void ListBoxClick(int number);  // ListBox1Click .. ListBox6Click
    void sButton1Click();

    Program& program_;
    std::array<QListWidget*, 7> lists_{};
    std::array<QLabel*, 4> labels_{};
};

}  // namespace trimel::ui
