// QUELM 2.0: the program opens its one window and runs until it is closed.
#include <QApplication>
#include <QIcon>

#include "app/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("QUELM 2.0"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quelm/quelm.svg")));
  TForm1 form;
  form.show();
  return QApplication::exec();
}
