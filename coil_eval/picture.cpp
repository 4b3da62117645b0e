#include "coil_eval/picture.h"

#include "core/kit/kit.h"

// The pictures live in this static library; register them before use.
static void InitCoilEvalResources() { Q_INIT_RESOURCE(coil_eval); }

namespace coil_eval {

void ShowPicture(QLabel* label, const QString& name) {
  InitCoilEvalResources();
  kit::ShowPicture(label, QStringLiteral(":/coil_eval/") + name + QStringLiteral(".svg"));
}

} // namespace coil_eval
