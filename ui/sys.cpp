// The wheel selection window ("Выбор систем", form TForm4).
#include "ui/sys.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>

#include "domain/WheelChoice.h"
#include "ui/Buttons.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/WheelItems.h"

namespace trimel::ui {

namespace {
const char* const kRowLabels[] = {
    "Системы, гарантирующие 3-ку при 6-и угаданных номерах:",
    "Системы, гарантирующие 4-ку при 6-и угаданных номерах:",
    "Системы, гарантирующие 5-ку при 6-и угаданных номерах:",
};
}  // namespace

TForm4::TForm4(Program& program) : QWidget(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Выбор систем"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    useWindowLook(this, 11);
    setFixedSize(410, 465);
    move(255, 157);

    for (int row = 0; row < 3; ++row) {
        const int top = 8 + 152 * row;
        auto* l = new QLabel(QString::fromUtf8(kRowLabels[row]), this);
        l->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        l->move(8, top);
        l->adjustSize();
        labels_[static_cast<std::size_t>(row + 1)] = l;
        for (int side = 0; side < 2; ++side) {
            const int number = 2 * row + side + 1;
            auto* list = new QListWidget(this);
            list->setObjectName(QStringLiteral("ListBox%1").arg(number));
            list->setGeometry(side == 0 ? 8 : 192, top + 16, side == 0 ? 105 : 113, 129);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setUniformItemSizes(true);
            list->setStyleSheet(
                QStringLiteral("QListWidget::item { height: 13px; padding: 0px 1px; }"));
            // A choice is a change of the selected item, by mouse or keys.
            // The current row alone is no choice: a list that gets the focus
            // with no current item makes its first row current.
            connect(list, &QListWidget::itemSelectionChanged, this,
                    [this, number] { ListBoxClick(number); });
            lists_[static_cast<std::size_t>(number)] = list;
        }
    }

    sButton1 = makeButton(this, {QStringLiteral("sButton1"), QStringLiteral("Выбрать"), QString(),
                                 QRect(312, 24, 89, 25)});
    connect(sButton1, &QAbstractButton::clicked, this, &TForm4::sButton1Click);

    for (int n = 1; n < 6; ++n)
        setTabOrder(lists_[static_cast<std::size_t>(n)], lists_[static_cast<std::size_t>(n + 1)]);
    setTabOrder(lists_[6], sButton1);
}

QListWidget* TForm4::listBox(int number) const {
    if (number < 1 || number > 6) return nullptr;
    return lists_[static_cast<std::size_t>(number)];
}

void TForm4::fillAndShow() {
    for (int n = 1; n <= 6; ++n) {
        QListWidget* list = lists_[static_cast<std::size_t>(n)];
        const QSignalBlocker quiet(list);  // emptying is not a choice
        list->clear();
    }
    const AppState& state = program_.state;
    for (std::int32_t w = 1; w <= state.wheelCount; ++w) {
        const Wheel* wheel = state.wheel(w);
        if (!wheel || wheel->guarantee < 3 || wheel->guarantee > 5) continue;
        const QString text = wheelItemText(w, *wheel);
        const int left = 2 * (wheel->guarantee - 3) + 1;
        for (int n : {left, left + 1}) {
            auto* item = new QListWidgetItem(text);
            item->setData(kWheelIndexRole, w);
            lists_[static_cast<std::size_t>(n)]->addItem(item);
        }
    }
    show();
    raise();  // in front, also when it was open already
    for (int n = 1; n <= 6; ++n) lists_[static_cast<std::size_t>(n)]->setEnabled(true);
}

void TForm4::ListBoxClick(int number) {
    QListWidget* list = listBox(number);
    if (!list) return;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return;
    const std::int32_t index = selected.first()->data(kWheelIndexRole).toInt();
    const bool firstPart = number % 2 == 1;
    (firstPart ? program_.state.wheel1 : program_.state.wheel2) = index;
    for (int other = firstPart ? 1 : 2; other <= 6; other += 2)
        if (other != number) lists_[static_cast<std::size_t>(other)]->setEnabled(false);
}

void TForm4::sButton1Click() {
    AppState& state = program_.state;
    if (!applyWheelChoice(state)) {
        program_.reporter().notice("Выберите систему для каждой части.");
        return;
    }
    hide();
    emit wheelsChosen(state.size1, state.size2);
}

void TForm4::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

}  // namespace trimel::ui
