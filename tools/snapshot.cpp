// Renders every page of the window's tree to a PNG named after the page
// (TabSheet24.png, s43.png, ...), so the whole program can be looked at
// without a display:
//   QT_QPA_PLATFORM=offscreen quelm_snapshot [folder]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTextStream>

#include "app/form1.h"

namespace {

// Makes `page` the shown page of its control and of every control above it.
void Reveal(QWidget* page) {
  for (QWidget* w = page; w; w = w->parentWidget()) {
    // A page's parent is the control's internal stack; its parent the control.
    auto* control =
        w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr;
    if (control && control->indexOf(w) >= 0)
      control->setCurrentWidget(w);
  }
}

} // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
  QDir().mkpath(folder);

  TForm1 form;
  form.show();
  QApplication::processEvents();

  QTextStream out(stdout);
  int failures = 0;
  int pages = 0;
  for (QTabWidget* control : form.findChildren<QTabWidget*>()) {
    for (int i = 0; i < control->count(); ++i) {
      QWidget* page = control->widget(i);
      Reveal(page);
      QApplication::processEvents();
      // A page the user can reach is shown in its window; the hidden analyzer
      // page is rendered on its own.
      const bool reachable = control->isTabVisible(i);
      const QImage image = (reachable ? form.grab() : page->grab()).toImage();
      const QString file = folder + QLatin1Char('/') + page->objectName() + QStringLiteral(".png");
      if (image.isNull() || !image.save(file)) {
        out << "could not render " << page->objectName() << "\n";
        ++failures;
      }
      ++pages;
    }
  }
  out << pages << " pages rendered into " << folder << ", " << failures << " failed\n";
  return failures == 0 && pages > 0 ? 0 : 1;
}
