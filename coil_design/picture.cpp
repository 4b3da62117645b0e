#include "coil_design/picture.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures live in this static library; register them before use.
static void InitCoilDesignResources() { Q_INIT_RESOURCE(coil_design); }

namespace coil_design {

void ShowPicture(QLabel* label, const QString& resource) {
  InitCoilDesignResources();
  QSvgRenderer renderer(resource);
  const qreal ratio = label->devicePixelRatioF();
  QPixmap pixmap(label->size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSizeF size = renderer.defaultSize();
  size.scale(label->size(), Qt::KeepAspectRatio);
  const QRectF target(QPointF((label->width() - size.width()) / 2, (label->height() - size.height()) / 2),
                      size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, target);
  painter.end();
  label->setPixmap(pixmap);
}

} // namespace coil_design
