#pragma once
#include <QFont>

namespace kit {

// The program's face, a Japanese proportional gothic: "ＭＳ Ｐゴシック" where
// it exists, the free IPA P Gothic in its place, at a pixel size.
QFont ProgramFont(int pixelSize = 12);

} // namespace kit
