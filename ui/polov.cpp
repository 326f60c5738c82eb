// The main window ("Тримель", form TForm1).
#include "ui/polov.h"

#include <QAbstractButton>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>

#include "domain/DrawHistory.h"
#include "domain/IntText.h"
#include "domain/WheelLibrary.h"
#include "ui/About.h"
#include "ui/Buttons.h"
#include "ui/ClickLabel.h"
#include "ui/GridExport.h"
#include "ui/GridView.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/fav.h"
#include "ui/prog.h"
#include "ui/sys.h"

namespace trimel::ui {

namespace {
constexpr int kRowHeight = 15;
constexpr int kPartSizeLimit = 2;  // characters a part size may be typed with
}  // namespace

TForm1::TForm1(Program& program) : QWidget(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Тримель v" TRIMEL_VERSION));
    useWindowLook(this, 11);
    resize(kDesignWidth, kDesignHeight);
    // Below this the draws grid would vanish and the bottom controls would
    // run into the summary labels.
    setMinimumSize(kDesignWidth - 220, kDesignHeight);
    buildLayout();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kDesignWidth / 2, kDesignHeight / 2));
    }
    FormCreate();
}

void TForm1::buildLayout() {
    const QFont labelFont = pixelFont(kArial, 11);

    StringGrid1 = new GridView(program_.mainView.draws, kRowHeight, QColor(255, 0, 0), this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(6, 8, 339, 481);
    anchor(StringGrid1, true, true, true, true);

    StringGrid2 = new GridView(program_.mainView.hits, kRowHeight, QColor(128, 128, 128), this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setGeometry(496, 8, 395, 481);
    anchor(StringGrid2, false, true, true, true);
    addGridMenu(*StringGrid1, program_,
                [this] { return windowTitle() + QStringLiteral(" — тиражи"); });
    addGridMenu(*StringGrid2, program_,
                [this] { return windowTitle() + QStringLiteral(" — совпадения"); });

    sButton1 = makeButton(this, {QStringLiteral("sButton1"), QStringLiteral("Открыть файл"),
                                 QStringLiteral("Кнопка открытия файла"), QRect(360, 8, 121, 25)});
    sButton2 =
        makeButton(this, {QStringLiteral("sButton2"), QStringLiteral("Системы"),
                          QStringLiteral("Открытие окна выбора систем"), QRect(360, 40, 121, 25)});
    sButton3 = makeButton(this, {QStringLiteral("sButton3"), QStringLiteral("Ввод своих чисел"),
                                 QStringLiteral("Открытие окна ввода своих чисел для игры"),
                                 QRect(360, 72, 121, 25)});
    sButton4 = makeButton(
        this, {QStringLiteral("sButton4"), QStringLiteral("ИГРАТЬ!"),
               QStringLiteral("Кнопка начала игры"), QRect(360, 104, 121, 25), 13, true});
    sButton4->setEnabled(false);
    for (QAbstractButton* b : {sButton1, sButton2, sButton3, sButton4})
        anchor(b, true, true, false, false);
    connect(sButton1, &QAbstractButton::clicked, this, &TForm1::sButton1Click);
    connect(sButton2, &QAbstractButton::clicked, this, &TForm1::sButton2Click);
    connect(sButton3, &QAbstractButton::clicked, this, &TForm1::sButton3Click);
    connect(sButton4, &QAbstractButton::clicked, this, &TForm1::sButton4Click);

    auto makeLabel = [&](int number, int top, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("Label%1").arg(number));
        l->setFont(labelFont);
        l->move(360, top);
        l->adjustSize();
        labels_[static_cast<std::size_t>(number)] = l;
        return l;
    };
    makeLabel(1, 136, QStringLiteral("Выпало во всех тиражах:"));
    makeLabel(2, 152, QStringLiteral("1-ая половина:"));
    for (int n = 3; n <= 9; ++n) makeLabel(n, 176 + 16 * (n - 3), QString());
    makeLabel(10, 296, QStringLiteral("2-ая половина:"));
    for (int n = 11; n <= 17; ++n) makeLabel(n, 320 + 16 * (n - 11), QString());
    for (int n = 1; n <= 17; ++n)
        anchor(labels_[static_cast<std::size_t>(n)], true, true, false, false);
    anchor(makeLabel(18, 438, QStringLiteral("Задайте размеры частей:")), false, false, false,
           true);

    edit1_ = makeLabeledEdit(this, QStringLiteral("LabeledEdit1"), QStringLiteral("1-ая часть"),
                             QRect(360, 468, 41, 22), labelFont);
    edit2_ = makeLabeledEdit(this, QStringLiteral("LabeledEdit2"), QStringLiteral("2-ая часть"),
                             QRect(432, 468, 41, 22), labelFont);
    LabeledEdit1 = edit1_.edit;
    LabeledEdit2 = edit2_.edit;
    LabeledEdit1->setTypingLimit(kPartSizeLimit);
    LabeledEdit2->setTypingLimit(kPartSizeLimit);
    anchor(LabeledEdit1, false, false, false, true);
    anchor(LabeledEdit2, false, false, false, true);

    Label19 = new ClickLabel(QStringLiteral("О программе Тримель"), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setFont(pixelFont(kArial, 11, true));
    Label19->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    Label19->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label19->setGeometry(736, 495, 155, 14);
    Label19->setCursor(Qt::PointingHandCursor);
    anchor(Label19, false, false, true, true);
    connect(Label19, &ClickLabel::clicked, this, &TForm1::Label19Click);
    labels_[19] = Label19;

    Label20 = new ClickLabel(QStringLiteral("Руководство пользователя"), this);
    Label20->setObjectName(QStringLiteral("Label20"));
    Label20->setFont(pixelFont(kArial, 11, true));
    Label20->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    Label20->setGeometry(6, 494, 222, 14);
    Label20->setCursor(Qt::PointingHandCursor);
    anchor(Label20, true, false, false, true);
    connect(Label20, &ClickLabel::clicked, this, &TForm1::Label20Click);
    labels_[20] = Label20;

    setTabOrder(StringGrid1, LabeledEdit1);
    setTabOrder(LabeledEdit1, LabeledEdit2);
    setTabOrder(LabeledEdit2, StringGrid2);
    setTabOrder(StringGrid2, sButton1);
    setTabOrder(sButton1, sButton2);
    setTabOrder(sButton2, sButton3);
    setTabOrder(sButton3, sButton4);
}

QLabel* TForm1::label(int number) const {
    if (number < 1 || number > 20) return nullptr;
    return labels_[static_cast<std::size_t>(number)];
}

void TForm1::anchor(QWidget* widget, bool left, bool top, bool right, bool bottom) {
    // Labels without a fixed box size themselves to their text.
    const bool keepSize = qobject_cast<QLabel*>(widget) && widget != Label19 && widget != Label20;
    anchored_.push_back({widget, widget->geometry(), left, top, right, bottom, keepSize});
}

void TForm1::applyAnchors() {
    const int dx = width() - kDesignWidth;
    const int dy = height() - kDesignHeight;
    for (const Anchored& a : anchored_) {
        QRect r = a.design;
        if (a.left && a.right)
            r.setWidth(std::max(0, a.design.width() + dx));
        else if (a.right)
            r.moveLeft(a.design.left() + dx);
        else if (!a.left)
            r.moveLeft(a.widget->x());  // placed by the resize rule
        if (a.top && a.bottom)
            r.setHeight(std::max(0, a.design.height() + dy));
        else if (a.bottom)
            r.moveTop(a.design.top() + dy);
        if (a.widget == LabeledEdit1)
            edit1_.move(r.left(), r.top());
        else if (a.widget == LabeledEdit2)
            edit2_.move(r.left(), r.top());
        else if (a.keepSize)
            a.widget->move(r.topLeft());
        else
            a.widget->setGeometry(r);
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyAnchors();
    FormResize();
}

void TForm1::FormCreate() {
    Reporter& reporter = program_.reporter();
    guarded(reporter, [&] {
        loadWheelLibrary(program_.state, "wheels",
                         [&reporter](const std::string& message) { reporter.notice(message); });
    });
}

void TForm1::FormResize() {
    const int w = StringGrid1->width();
    TextGrid& draws = program_.mainView.draws;
    const auto share = [w](double divisor) { return static_cast<int>(roundHalfEven(w / divisor)); };
    draws.setColWidth(0, share(9.47));
    draws.setColWidth(1, share(7.2));
    draws.setColWidth(2, share(7.2));
    draws.setColWidth(3, share(3.78));
    draws.setColWidth(4, share(3.78));
    StringGrid1->applyColumnWidths();

    for (QAbstractButton* b : {sButton1, sButton2, sButton3, sButton4}) b->move(w + 16, b->y());
    for (int n = 1; n <= 18; ++n) {
        QLabel* l = labels_[static_cast<std::size_t>(n)];
        l->move(w + 14, l->y());
    }
    edit1_.move(w + 14, LabeledEdit1->y());
    edit2_.move(w + 86, LabeledEdit2->y());
}

void TForm1::refreshFromRun() {
    StringGrid1->sync();
    StringGrid2->sync();
    for (int n : {3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17}) {
        QLabel* l = labels_[static_cast<std::size_t>(n)];
        l->setText(QString::fromStdString(program_.mainView.labels[static_cast<std::size_t>(n)]));
        l->adjustSize();
    }
}

void TForm1::sButton1Click() {
    const QString path = program_.chooseFile(this, QStringLiteral("Открытие файла"));
    if (path.isEmpty()) return;
    guarded(program_.reporter(), [&] {
        const DrawLoadResult result =
            loadDrawHistory(program_.state, QFile::encodeName(path).toStdString());
        LabeledEdit1->setText(QString::fromStdString(result.part1Text));
        LabeledEdit2->setText(QString::fromStdString(result.part2Text));
        if (!result.notice.empty()) program_.reporter().notice(result.notice);
    });
}

void TForm1::showChosenSizes(int firstSize, int secondSize) {
    LabeledEdit1->setText(QString::number(firstSize));
    LabeledEdit2->setText(QString::number(secondSize));
    sButton4->setEnabled(true);
}

void TForm1::sButton2Click() {
    program_.form4()->fillAndShow();
}

void TForm1::sButton3Click() {
    TForm2* form = program_.form2();
    form->show();
    form->raise();  // in front, also when it was open already
}

void TForm1::sButton4Click() {
    Reporter& reporter = program_.reporter();
    RunOutcome outcome;
    bool ran = false;
    guarded(reporter, [&] {
        try {
            outcome = program_.engine.run(program_.seed(), LabeledEdit1->text().toStdString(),
                                          LabeledEdit2->text().toStdString());
            ran = true;
        } catch (...) {
            refreshFromRun();  // the set-up has written headers and row counts
            throw;
        }
    });
    if (!ran) return;
    refreshFromRun();
    if (outcome.stop == RunStop::Completed)
        program_.form3()->showForecast();
    else
        reporter.errorDialog(outcome.message);
}

void TForm1::Label19Click() {
    setEnabled(false);
    program_.form40()->showOver(this);
}

void TForm1::Label20Click() {
    program_.openUrl(program_.guideUrl());
}

}  // namespace trimel::ui
