#include "ui/WheelItems.h"

#include "domain/IntText.h"

namespace trimel::ui {

QString wheelItemText(std::int32_t index, const Wheel& wheel) {
    QString text = QString::number(index);
    if (index >= 0 && text.size() < 3) text = QString(3 - text.size(), QLatin1Char('0')) + text;
    return text + QLatin1Char(' ') + QString::number(wheel.numberCount) + QStringLiteral("н-") +
           QString::number(wheel.ticketCount) + QStringLiteral("к");
}

bool wheelIndexOfItem(const QString& itemText, std::int32_t& index) {
    return tryStrToInt(itemText.left(3).toStdString(), index);
}

}  // namespace trimel::ui
