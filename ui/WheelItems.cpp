#include "ui/WheelItems.h"

namespace trimel::ui {

QString wheelItemText(std::int32_t index, const Wheel& wheel) {
    QString text = QString::number(index);
    if (index >= 0 && text.size() < 3) text = QString(3 - text.size(), QLatin1Char('0')) + text;
    return text + QLatin1Char(' ') + QString::number(wheel.numberCount) + QStringLiteral("н-") +
           QString::number(wheel.ticketCount) + QStringLiteral("к");
}

}  // namespace trimel::ui
