#pragma once

#include <QWidget>

class QAbstractButton;

namespace trimel::ui {

class ClickLabel;
class Program;

// The About window. While it is open the main window is disabled; "Назад"
// and closing it emit closed(), on which its owner enables it again.
class TForm40 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm40(Program& program);

    ClickLabel* Label7 = nullptr;  // the user guide link
    QAbstractButton* sButton1 = nullptr;

    // Shows the window above `owner` (which the caller has disabled).
    void showOver(QWidget* owner);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose

  private:
    void sButton1Click();
    void Label7Click();

    Program& program_;
};

}  // namespace trimel::ui
