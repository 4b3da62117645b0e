#pragma once
// The circuit pictures of the detector pages, drawn from this library's
// resources.
#include <QString>

class QLabel;

namespace detector {

// Draws the SVG picture `name` (":/detector/<name>.svg") into a label.
void ShowPicture(QLabel* label, const QString& name);

} // namespace detector
