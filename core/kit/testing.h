#pragma once
// Test support for page tests: a message sink that records every dialog
// instead of showing it, and small helpers to drive controls by name.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <stdexcept>

#include "core/kit/kit.h"

class QLineEdit;

namespace kit::testing {

struct Dialog {
  enum Kind { Error, Application } kind;
  QString title; // "エラー" or "QUELM 2.0"
  QString text;
};

// Installs itself on construction and restores the previous sink on
// destruction.
class RecordingSink : public MessageSink {
public:
  RecordingSink();
  ~RecordingSink() override;
  RecordingSink(const RecordingSink&) = delete;
  RecordingSink& operator=(const RecordingSink&) = delete;

  void ErrorDialog(QWidget* parent, const QString& text) override;
  void ApplicationErrorBox(QWidget* parent, const QString& text) override;

  QList<Dialog> dialogs;
  // Focus widget at the moment each dialog was raised.
  QList<QWidget*> focusAtDialog;
  void clear() {
    dialogs.clear();
    focusAtDialog.clear();
  }

private:
  MessageSink* previous_;
};

// The text ZeroInputError shows.
QString ZeroInputText();

// A real message box as the user saw it.
struct ShownBox {
  QString title;
  QString text;
  int icon = 0; // QMessageBox::Icon
  int buttons = 0;
};

// Records the addresses the program hands to the desktop for the given
// schemes while it lives (QDesktopServices::setUrlHandler).
class UrlRecorder : public QObject {
  Q_OBJECT
public:
  explicit UrlRecorder(const QStringList& schemes = {QStringLiteral("https")});
  ~UrlRecorder() override;
  QList<QUrl> opened;
public slots:
  void open(const QUrl& url) { opened << url; }

private:
  QStringList schemes_;
};

// The text of a field or label by name (a field first).
QString Text(const QObject* root, const char* name);
QStringList Texts(const QObject* root, std::initializer_list<const char*> names);

// The program's own path: runs `action` with the real dialogs, closes every
// message box it raises with OK, one after the other, and returns what each
// showed.
QList<ShownBox> CloseRealBoxes(const std::function<void()>& action);

// A child of root by objectName and type; throws when it is missing, so a
// misspelt name fails the test loudly.
template <class T> T* Find(const QObject* root, const QString& name) {
  T* w = root->findChild<T*>(name);
  if (!w)
    throw std::runtime_error("no child named " + name.toStdString());
  return w;
}

// The name a screen reader gives a control: its accessible name, else the
// text of the label beside it whose buddy it is (empty when it has neither).
QString SpokenName(const QWidget* control);

// Replaces a field's text as a user would (select all, type), through the
// keyboard so that key actions see each key.
void Type(QLineEdit* field, const QString& text);
// Presses Enter (Key_Return) in a widget.
void Enter(QWidget* widget);
// Picks item `index` of a list as a user would (runs its change action).
void Pick(class QComboBox* combo, int index);
// Clicks a radio group's item as a user would.
void PickRadio(class QGroupBox* group, int index);

} // namespace kit::testing
