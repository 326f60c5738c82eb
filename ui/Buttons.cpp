#include "ui/Buttons.h"

#include <QPalette>

#include "skinwidgets/sCustomButton.h"
#include "ui/Look.h"

namespace trimel::ui {

namespace {
const char* const kNormalGradient = "255;0;99;0;0;0;0;0;0;0";
const char* const kHotGradient =
    "16777215;255;6;0;0;255;0;47;0;0;0;255;28;0;0;255;13816530;18;0;0;13816530;13816530;0;0;0";
constexpr skin::TColor kWhite = 0xFFFFFF;
}  // namespace

void useProgramStyle(skin::TsButton& button) {
    skin::TsActiveBGStyle& style = button.sStyle();
    const QColor sky = skyBlue();
    style.Painting.setColor(
        skin::colorOf({static_cast<std::uint8_t>(sky.red()), static_cast<std::uint8_t>(sky.green()),
                       static_cast<std::uint8_t>(sky.blue())}));
    style.Background.Gradient.setData(kNormalGradient);
    style.HotStyle.HotBackground.Gradient.setData(kHotGradient);
    style.HotStyle.HotPainting.setFontColor(kWhite);
    style.HotStyle.HotPainting.setTransparency(0);
    style.setGroupIndex(0);
    QPalette pal = button.palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    button.setPalette(pal);
}

skin::TsButton* makeButton(QWidget* parent, const ButtonSetup& setup) {
    auto* button = new skin::TsButton(parent);
    button->setObjectName(setup.name);
    button->setText(setup.caption);
    button->setGeometry(setup.geometry);
    button->setFont(pixelFont(kArial, setup.fontPixels, setup.bold));
    useProgramStyle(*button);
    if (!setup.hint.isEmpty()) button->setToolTip(setup.hint);
    return button;
}

}  // namespace trimel::ui
