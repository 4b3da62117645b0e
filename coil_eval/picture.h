#pragma once
// The pictures of the coil evaluation pages, drawn from this library's
// resources.
#include <QString>

class QLabel;

namespace coil_eval {

// Draws the SVG picture `name` (":/coil_eval/<name>.svg") into a label.
void ShowPicture(QLabel* label, const QString& name);

} // namespace coil_eval
