#include "detector/picture.h"

#include "core/kit/kit.h"

// The pictures live in this static library; register them before use.
static void InitDetectorResources() { Q_INIT_RESOURCE(detector); }

namespace detector {

void ShowPicture(QLabel* label, const QString& name) {
  InitDetectorResources();
  kit::ShowPicture(label, QStringLiteral(":/detector/") + name + QStringLiteral(".svg"));
}

} // namespace detector
