#include "ui/LimitedEdit.h"

#include <QLabel>
#include <QValidator>
#include <algorithm>

namespace trimel::ui {

QString limitTyping(const QString& before, const QString& after, int limit, int& cursor) {
    const qsizetype grown = after.size() - before.size();
    if (limit <= 0 || after.size() <= limit || grown <= 0) {
        cursor = -1;
        return after;
    }
    // The edit replaced before[prefix, before.size() - suffix) by
    // after[prefix, after.size() - suffix); keep as much of the inserted
    // part as the limit leaves room for.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const qsizetype removed = before.size() - prefix - suffix;
    const qsizetype inserted = after.size() - prefix - suffix;
    const qsizetype kept = before.size() - removed;
    const qsizetype room = std::clamp<qsizetype>(limit - kept, 0, inserted);
    cursor = static_cast<int>(prefix + room);
    return before.left(prefix) + after.mid(prefix, room) + before.right(suffix);
}

class TypingValidator : public QValidator {
  public:
    explicit TypingValidator(LimitedEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int& pos) const override {
        if (edit_->programWrite_) return Acceptable;
        int cursor = -1;
        QString kept = limitTyping(edit_->last_, input, edit_->limit_, cursor);
        if (cursor >= 0) {
            input = kept;
            pos = cursor;
        }
        return Acceptable;
    }

  private:
    LimitedEdit* edit_;
};

LimitedEdit::LimitedEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new TypingValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { last_ = t; });
}

void LimitedEdit::setText(const QString& text) {
    programWrite_ = true;
    QLineEdit::setText(text);
    programWrite_ = false;
    last_ = QLineEdit::text();
}

void LabeledEdit::move(int left, int top) {
    edit->move(left, top);
    label->move(left, top - label->height() - 3);
}

LabeledEdit makeLabeledEdit(QWidget* parent, const QString& name, const QString& caption,
                            const QRect& geometry, const QFont& font) {
    LabeledEdit pair;
    pair.edit = new LimitedEdit(parent);
    pair.edit->setObjectName(name);
    pair.edit->setFont(font);
    pair.edit->setGeometry(geometry);
    pair.label = new QLabel(caption, parent);
    pair.label->setObjectName(name + QStringLiteral("Label"));
    pair.label->setFont(font);
    pair.label->adjustSize();
    pair.label->setBuddy(pair.edit);
    pair.move(geometry.left(), geometry.top());
    return pair;
}

}  // namespace trimel::ui
