#include "detector/colour_code_page.h"

#include <algorithm>

#include "core/kit/kit.h"
#include "detector/colour_code.h"
#include "ui_colour_code_page.h"

namespace detector {

namespace {

// The captions on the band swatches are aqua.
constexpr std::uint32_t kSwatchText = 0x00FFFF;

BandColour Band(const QGroupBox* group) {
  return static_cast<BandColour>(std::max(0, kit::RadioIndex(group)));
}

void PaintBand(QLabel* swatch, BandColour colour) {
  const ColourLook& look = LookOf(colour);
  if (look.buttonFace)
    kit::PaintSwatch(swatch, kit::Colour::ButtonFace, kSwatchText);
  else
    kit::PaintSwatch(swatch, look.rgb, kSwatchText);
}

} // namespace

ColourCodePage::ColourCodePage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ColourCodePage>()) {
  ui->setupUi(this);
  // The drawing: the body in 3-D light on silver leads, the bands in the
  // button-face colour until the first update, the legend in its colours.
  kit::PaintSwatch(ui->resistorBody, kit::Colour::Light3D);
  kit::PaintSwatch(ui->leadLeft, LookOf(BandColour::Silver).rgb);
  kit::PaintSwatch(ui->leadRight, LookOf(BandColour::Silver).rgb);
  for (QLabel* swatch : {ui->Label33, ui->Label34, ui->Label35, ui->Label36})
    kit::PaintSwatch(swatch, kit::Colour::ButtonFace, kSwatchText);
  QLabel* const legend[] = {ui->legendBlack,  ui->legendBrown, ui->legendRed,  ui->legendOrange,
                            ui->legendYellow, ui->legendGreen, ui->legendBlue, ui->legendViolet,
                            ui->legendGrey,   ui->legendWhite, ui->legendGold, ui->legendSilver};
  for (std::size_t i = 0; i < std::size(legend); ++i)
    kit::PaintSwatch(legend[i], kBandColours[i].rgb, kBandColours[i].legendText);

  for (QGroupBox* group : {ui->RadioGroup1, ui->RadioGroup2, ui->RadioGroup3, ui->RadioGroup4})
    kit::OnRadioPick(group, [this] { TabSheet4Show(); });
}

ColourCodePage::~ColourCodePage() = default;

void ColourCodePage::TabSheet4Show() {
  const BandColour first = Band(ui->RadioGroup1);
  const BandColour second = Band(ui->RadioGroup2);
  const BandColour third = Band(ui->RadioGroup3);
  const BandColour fourth = Band(ui->RadioGroup4);
  PaintBand(ui->Label33, first);
  PaintBand(ui->Label34, second);
  PaintBand(ui->Label35, third);
  PaintBand(ui->Label36, fourth);
  kit::Write(ui->Edit10, ToleranceText(fourth));
  kit::Write(ui->Edit9, ResistanceText(first, second, third));
}

} // namespace detector
