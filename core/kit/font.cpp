#include "core/kit/font.h"

#include <QStringList>

namespace kit {

QFont ProgramFont(int pixelSize) {
  QFont font;
  font.setFamilies(QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                               QStringLiteral("IPAPゴシック"), QStringLiteral("IPAGothic")});
  font.setPixelSize(pixelSize);
  return font;
}

} // namespace kit
