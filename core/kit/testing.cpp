#include "core/kit/testing.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace kit::testing {

RecordingSink::RecordingSink() : previous_(SetMessageSink(this)) {}

RecordingSink::~RecordingSink() { SetMessageSink(previous_); }

void RecordingSink::ErrorDialog(QWidget*, const QString& text) {
  dialogs.append({Dialog::Error, QStringLiteral("エラー"), text});
  focusAtDialog.append(QApplication::focusWidget());
}

void RecordingSink::ApplicationErrorBox(QWidget*, const QString& text) {
  dialogs.append({Dialog::Application, QStringLiteral("QUELM 2.0"), text});
  focusAtDialog.append(QApplication::focusWidget());
}

QList<ShownBox> CloseRealBoxes(const std::function<void()>& action) {
  QList<ShownBox> shown;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, &closer, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
      return;
    shown.append({box->windowTitle(), box->text(), static_cast<int>(box->icon()),
                  static_cast<int>(box->buttons().size())});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
      ok->click();
    else
      box->reject();
  });
  closer.start(10);
  action();
  closer.stop();
  return shown;
}

UrlRecorder::UrlRecorder(const QStringList& schemes) : schemes_(schemes) {
  for (const QString& scheme : schemes_)
    QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlRecorder::~UrlRecorder() {
  for (const QString& scheme : schemes_)
    QDesktopServices::unsetUrlHandler(scheme);
}

QString Text(const QObject* root, const char* name) {
  if (auto* field = root->findChild<QLineEdit*>(name))
    return field->text();
  return Find<QLabel>(root, name)->text();
}

QStringList Texts(const QObject* root, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names)
    texts << Text(root, name);
  return texts;
}

QString ZeroInputText() {
  return QStringLiteral("0 の入力値があるため、計算できません。\n正しい値を入力してください。");
}

QString SpokenName(const QWidget* control) {
  if (!control->accessibleName().isEmpty())
    return control->accessibleName();
  // The toolkit looks for the label among the control's siblings.
  const QWidget* parent = control->parentWidget();
  if (!parent)
    return {};
  for (const QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (label->buddy() == control)
      return label->text();
  }
  return {};
}

void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(field, c.toLatin1());
    } else { // a character from an input method: a key event with text only
      QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

void Enter(QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
    widget = combo->lineEdit();
  QTest::keyClick(widget, Qt::Key_Return);
}

void Pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void PickRadio(QGroupBox* group, int index) {
  const auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  buttons.at(index)->click();
}

} // namespace kit::testing
