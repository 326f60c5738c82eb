#pragma once

#include <QWidget>

class QLabel;

namespace trimel::ui {

class GridView;
class Program;

// The forecast window: the next draw's tickets of both wheels and the
// numbers of both parts, as the last run left them. It only displays.
class TForm3 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm3(Program& program);

    GridView* StringGrid1 = nullptr;  // first-part wheel's tickets
    GridView* StringGrid2 = nullptr;  // second-part wheel's tickets
    GridView* StringGrid3 = nullptr;  // first part's numbers
    GridView* StringGrid4 = nullptr;  // second part's numbers

    // Shows the forecast view's contents and caption; an open window stays
    // where it is.
    void showForecast();

  private:
    Program& program_;
};

}  // namespace trimel::ui
