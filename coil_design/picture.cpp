#include "coil_design/picture.h"

#include "core/kit/kit.h"

// The pictures live in this static library; register them before use.
static void InitCoilDesignResources() { Q_INIT_RESOURCE(coil_design); }

namespace coil_design {

void ShowPicture(QLabel* label, const QString& resource) {
  InitCoilDesignResources();
  kit::ShowPicture(label, resource);
}

} // namespace coil_design
