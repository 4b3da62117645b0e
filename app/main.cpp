// QUELM 2.0: the program opens its one window and runs until it is closed.
#include <QApplication>
#include <QIcon>

#include "app/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("QUELM 2.0"));
  // The desktop entry's name, so that the desktop matches window and entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quelm.Quelm"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quelm/quelm.svg")));
  TForm1 form;
  form.show();
  return QApplication::exec();
}
