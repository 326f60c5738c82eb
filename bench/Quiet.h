#pragma once

#include <string>

#include "ui/Reporter.h"

namespace trimel::bench {

// A silent reporter: a benchmark has nobody to read a message box. It
// counts what would have been shown.
class Quiet : public ui::Reporter {
  public:
    Quiet() : Reporter("bench") {}
    int shown = 0;

  protected:
    void show(Kind, const std::string&, const std::string&) override { ++shown; }
};

}  // namespace trimel::bench
