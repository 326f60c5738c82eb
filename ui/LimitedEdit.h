#pragma once

#include <QLineEdit>
#include <QString>

class QLabel;

namespace trimel::ui {

// What typing may make of `before` when the user's edit gave `after`: the
// inserted characters are cut so the text grows no longer than `limit`.
// Deleting is always allowed, and a text already longer than the limit
// stays as it is. A limit of 0 or less means no limit. `cursor` receives
// the caret position after the accepted edit.
QString limitTyping(const QString& before, const QString& after, int limit, int& cursor);

// A single-line edit whose length limit holds for typing and pasting
// only: text the program writes with setText() is never cut.
class LimitedEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit LimitedEdit(QWidget* parent = nullptr);

    int typingLimit() const { return limit_; }
    void setTypingLimit(int limit) { limit_ = limit; }

    // Hides QLineEdit::setText so the program's own writes bypass the limit.
    void setText(const QString& text);

  private:
    friend class TypingValidator;
    int limit_ = 0;
    bool programWrite_ = false;
    QString last_;
};

// An edit with its caption label above it, as one unit: the edit is the
// named control and the label follows it when it moves.
struct LabeledEdit {
    LimitedEdit* edit = nullptr;
    QLabel* label = nullptr;
    // Places the edit; the label sits above it, left-aligned, 3 pixels apart.
    void move(int left, int top);
};

LabeledEdit makeLabeledEdit(QWidget* parent, const QString& name, const QString& caption,
                            const QRect& geometry, const QFont& font);

}  // namespace trimel::ui
