#pragma once
// The picture on the left of every coil page.
#include <QString>

class QLabel;

namespace coil_design {

// Draws an SVG picture from this library's resources into a label (kit::ShowPicture).
void ShowPicture(QLabel* label, const QString& resource);

} // namespace coil_design
