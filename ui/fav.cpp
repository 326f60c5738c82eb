// The favourite numbers window ("Ввод любимых чисел", form TForm2).
#include "ui/fav.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>
#include <climits>

#include "domain/Favourites.h"
#include "ui/Buttons.h"
#include "ui/Look.h"
#include "ui/Program.h"

namespace trimel::ui {

namespace {
constexpr int kInitialLimit = 40;  // room for 20 numbers until a wheel is chosen
}

TForm2::TForm2(Program& program) : QWidget(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Ввод любимых чисел"));
    setAttribute(Qt::WA_QuitOnClose, false);
    useWindowLook(this, 11);
    resize(386, 113);
    move(317, 268);

    Label1 =
        new QLabel(QStringLiteral("Введите Ваши числа или просто нажмите кнопку \"Дальше\""), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(16, 16);
    Label1->adjustSize();

    edit_ = makeLabeledEdit(this, QStringLiteral("LabeledEdit1"),
                            QStringLiteral("Ваши любимые числа:"), QRect(16, 56, 361, 21), font());
    LabeledEdit1 = edit_.edit;
    LabeledEdit1->setTypingLimit(kInitialLimit);

    sButton1 =
        makeButton(this, {QStringLiteral("sButton1"), QStringLiteral("Ввести числа"),
                          QStringLiteral("Ввести числа или закрыть окно"), QRect(288, 80, 91, 25)});
    connect(sButton1, &QAbstractButton::clicked, this, &TForm2::sButton1Click);
    setTabOrder(LabeledEdit1, sButton1);
}

void TForm2::limitToPart(int size) {
    LabeledEdit1->setTypingLimit(
        static_cast<int>(std::clamp<qint64>(2 * qint64(size), 0, INT_MAX)));
}

void TForm2::sButton1Click() {
    bool parsed = false;
    guarded(program_.reporter(), [&] {
        enterFavourites(program_.state, LabeledEdit1->text().toStdU16String());
        parsed = true;
    });
    if (parsed) hide();  // a bad group keeps the window open for correction
}

}  // namespace trimel::ui
