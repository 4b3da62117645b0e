#include "core/kit/kit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "core/numtext.h"

namespace kit {

// ---- Dialogs -------------------------------------------------------------

namespace {

class MessageBoxSink : public MessageSink {
public:
  void ErrorDialog(QWidget* parent, const QString& text) override {
    Show(parent, QStringLiteral("エラー"), text);
  }
  void ApplicationErrorBox(QWidget* parent, const QString& text) override {
    Show(parent, QStringLiteral("QUELM 2.0"), text);
  }

private:
  static void Show(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent ? parent->window() : nullptr);
    box.setObjectName(QStringLiteral("quelmMessageBox"));
    box.exec();
  }
};

MessageBoxSink gMessageBoxes;
MessageSink* gSink = nullptr;

MessageSink& Sink() { return gSink ? *gSink : gMessageBoxes; }

} // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = gSink;
  gSink = sink;
  return previous;
}

void ZeroInputError(QWidget* parent) {
  Sink().ErrorDialog(parent,
                     QStringLiteral("0 の入力値があるため、計算できません。\n正しい値を入力してください。"));
}

void ErrorDialog(QWidget* parent, const QString& text) { Sink().ErrorDialog(parent, text); }

void ApplicationErrorBox(QWidget* parent, const QString& message) {
  Sink().ApplicationErrorBox(parent, QString::fromStdString(quelm::WithClosingPoint(message.toStdString())));
}

bool Guard(QWidget* context, const Handler& handler) {
  try {
    handler();
    return true;
  } catch (const quelm::CalcError& error) {
    ApplicationErrorBox(context, QString::fromStdString(error.RawMessage()));
    return false;
  }
}

// ---- Key actions -----------------------------------------------------------

namespace {

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// An event filter that sees every key press of one widget before the widget
// does. `action` returns true to swallow the key.
class KeyAction : public QObject {
public:
  using Action = std::function<bool(QKeyEvent*)>;
  KeyAction(QWidget* target, Action action) : QObject(target), target_(target), action_(std::move(action)) {
    target->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == target_ && event->type() == QEvent::KeyPress)
      return action_(static_cast<QKeyEvent*>(event));
    // Keep Enter from being offered as a shortcut to anything else.
    if (watched == target_ && event->type() == QEvent::ShortcutOverride) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (IsEnter(key)) {
        event->accept();
        return false;
      }
    }
    return false;
  }

private:
  QWidget* target_;
  Action action_;
};

// The widget that receives a field's keys (an editable list's line edit).
QWidget* KeyTarget(QWidget* field) {
  if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
    return combo->lineEdit();
  return field;
}

void OnEnter(QWidget* field, std::function<void()> action) {
  new KeyAction(KeyTarget(field), [action = std::move(action)](QKeyEvent* key) {
    if (!IsEnter(key))
      return false;
    action();
    return true;
  });
}

// Runs the steps in order; stops at the first that fails.
bool Steps(QWidget* context, std::initializer_list<const Handler*> steps) {
  for (const Handler* step : steps) {
    if (!Guard(context, *step))
      return false;
  }
  return true;
}

} // namespace

void EnterIgnored(QWidget* field) {
  OnEnter(field, [] {});
}

void EnterCalculates(QWidget* field, Handler calc) {
  OnEnter(field, [field, calc = std::move(calc)] { Guard(field, calc); });
}

void EnterCalculatesTwice(QWidget* field, Handler first, Handler second) {
  OnEnter(field, [field, first = std::move(first), second = std::move(second)] {
    Steps(field, {&first, &second});
  });
}

void EnterCalculatesThenFocuses(QWidget* field, Handler calc, QLineEdit* partner) {
  OnEnter(field, [field, partner, calc = std::move(calc)] {
    if (Guard(field, calc))
      FocusSelectAll(partner);
  });
}

void EnterCalculatesRefocusedA(QLineEdit* field, QWidget* button, Handler calc) {
  OnEnter(field, [field, button, calc = std::move(calc)] {
    button->setFocus(Qt::OtherFocusReason);
    if (Guard(field, calc))
      FocusSelectAll(field);
  });
}

void EnterCalculatesRefocusedB(QLineEdit* field, QWidget* button, Handler calc) {
  OnEnter(field, [field, button, calc = std::move(calc)] {
    if (!Guard(field, calc))
      return;
    button->setFocus(Qt::OtherFocusReason);
    FocusSelectAll(field);
  });
}

void EnterCalculatesByMode(QWidget* field, QWidget* modeA, QWidget* modeB, Handler a, Handler b) {
  OnEnter(field, [=] {
    if (!modeA->isHidden() && !Steps(field, {&a, &b}))
      return;
    if (!modeB->isHidden())
      Steps(field, {&b, &a});
  });
}

void AnyKeyCalculates(QWidget* widget, Handler calc) {
  new KeyAction(KeyTarget(widget), [widget, calc = std::move(calc)](QKeyEvent*) {
    Guard(widget, calc);
    return false;
  });
}

// ---- Input fields ----------------------------------------------------------

namespace {

QString Filtered(const QString& text) {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size()));
  const std::u16string kept = quelm::FilterNumericText(units);
  return QString::fromUtf16(kept.data(), static_cast<qsizetype>(kept.size()));
}

// Filters the field's text; returns true when it was already clean. The
// caret keeps its place among the characters that stay.
bool FilterField(QLineEdit* field) {
  const QString text = field->text();
  const QString clean = Filtered(text);
  if (clean == text)
    return true;
  const int caret = field->cursorPosition();
  const int removedBefore = caret - Filtered(text.left(caret)).size();
  field->setText(clean);
  field->setCursorPosition(caret - removedBefore);
  return false;
}

void AskForLatinDigits(QWidget* field) {
  field->setInputMethodHints(field->inputMethodHints() | Qt::ImhPreferNumbers | Qt::ImhPreferLatin);
}

} // namespace

void Numeric(std::initializer_list<QLineEdit*> fields) {
  for (QLineEdit* field : fields) {
    AskForLatinDigits(field);
    QObject::connect(field, &QLineEdit::textChanged, field, [field] { FilterField(field); });
    FilterField(field);
  }
}

void Numeric(QLineEdit* field, Handler after) {
  AskForLatinDigits(field);
  // The write-back of a dirty text runs this again with the clean text,
  // which then runs `after`: once per change.
  QObject::connect(field, &QLineEdit::textChanged, field, [field, after = std::move(after)] {
    if (FilterField(field))
      Guard(field, after);
  });
  FilterField(field);
}

void NumericCombo(QComboBox* combo) {
  combo->setEditable(true);
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QLineEdit* edit = combo->lineEdit();
  AskForLatinDigits(edit);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FilterField(edit); });
  EnterIgnored(combo);
}

void DigitsOnlyKeys(QLineEdit* field) {
  new KeyAction(field, [](QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
      return false; // editing and navigation keys, shortcuts
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
      return false;
    for (QChar c : text) {
      if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        return true;
    }
    return false;
  });
}

// ---- Actions ----------------------------------------------------------------

void OnClick(QAbstractButton* button, Handler handler) {
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [button, handler = std::move(handler)] { Guard(button, handler); });
}

void OnPick(QComboBox* combo, Handler handler) {
  QObject::connect(combo, &QComboBox::activated, combo,
                   [combo, handler = std::move(handler)] { Guard(combo, handler); });
}

void OnRadioPick(QGroupBox* group, Handler handler) {
  const auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  auto shared = std::make_shared<Handler>(std::move(handler));
  for (QRadioButton* button : buttons) {
    // Whether the item was already selected when the user pressed it: a
    // click on the selected item changes nothing and runs nothing.
    auto wasChecked = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::pressed, button,
                     [button, wasChecked] { *wasChecked = button->isChecked(); });
    QObject::connect(button, &QAbstractButton::clicked, button, [group, shared, wasChecked] {
      if (!*wasChecked)
        Guard(group, *shared);
    });
  }
}

void OnCheck(QAbstractButton* box, Handler handler) {
  QObject::connect(box, &QAbstractButton::clicked, box,
                   [box, handler = std::move(handler)] { Guard(box, handler); });
}

namespace {

// Mouse actions of a label: a click is a left press and release inside it.
class MouseAction : public QObject {
public:
  enum Kind { Click, DoubleClick };
  MouseAction(QWidget* target, Kind kind, Handler handler)
      : QObject(target), target_(target), kind_(kind), handler_(std::move(handler)) {
    target->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != target_)
      return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
      return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
      pressed_ = mouse->button() == Qt::LeftButton;
      break;
    case QEvent::MouseButtonRelease:
      if (kind_ == Click && pressed_ && mouse->button() == Qt::LeftButton &&
          target_->rect().contains(mouse->position().toPoint()))
        Guard(target_, handler_);
      pressed_ = false;
      break;
    case QEvent::MouseButtonDblClick:
      if (kind_ == DoubleClick && mouse->button() == Qt::LeftButton)
        Guard(target_, handler_);
      break;
    default:
      break;
    }
    return false;
  }

private:
  QWidget* target_;
  Kind kind_;
  Handler handler_;
  bool pressed_ = false;
};

} // namespace

void OnLabelClick(QWidget* widget, Handler handler) {
  new MouseAction(widget, MouseAction::Click, std::move(handler));
}

void OnDoubleClick(QWidget* widget, Handler handler) {
  new MouseAction(widget, MouseAction::DoubleClick, std::move(handler));
}

void OnTextChange(QLineEdit* field, Handler handler) {
  QObject::connect(field, &QLineEdit::textChanged, field,
                   [field, handler = std::move(handler)] { Guard(field, handler); });
}

namespace {

// Runs an action when its widget is shown by the program (a spontaneous show
// comes from the window system: a minimised window restored).
class ShowAction : public QObject {
public:
  ShowAction(QWidget* target, Handler handler)
      : QObject(target), target_(target), handler_(std::move(handler)) {
    target->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == target_ && event->type() == QEvent::Show && !event->spontaneous())
      Guard(target_, handler_);
    return false;
  }

private:
  QWidget* target_;
  Handler handler_;
};

} // namespace

void OnShow(QWidget* widget, Handler handler) { new ShowAction(widget, std::move(handler)); }

// ---- Reading and writing ----------------------------------------------------

Real Read(const QLineEdit* field) { return quelm::ReadNumber(field->text().toStdString()); }

Real Read(const QComboBox* editable) { return quelm::ReadNumber(editable->currentText().toStdString()); }

Real ReadStrict(const QLineEdit* field) { return quelm::ReadNumberStrict(field->text().toStdString()); }

quelm::UnitFactor Factor(const QComboBox* list, std::span<const quelm::UnitFactor> table) {
  return quelm::FactorAt(table, list ? list->currentIndex() : 0);
}

int SelectedIndex(const QComboBox* list, std::size_t count) {
  const int index = list->currentIndex();
  if (count == 0 || index < 0)
    return 0;
  return static_cast<std::size_t>(index) < count ? index : static_cast<int>(count - 1);
}

Real ReadIn(const QLineEdit* field, const QComboBox* units, std::span<const quelm::UnitFactor> table) {
  return Factor(units, table).Apply(Read(field));
}

int RadioIndex(const QGroupBox* group) {
  const auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  for (int i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->isChecked())
      return i;
  }
  return -1;
}

void SetRadioIndex(QGroupBox* group, int index) {
  const auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (index >= 0 && index < buttons.size())
    buttons[index]->setChecked(true);
}

namespace {

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

void Write(QLineEdit* field, std::string_view utf8) { field->setText(FromUtf8(utf8)); }

void Write(QLabel* label, std::string_view utf8) { label->setText(FromUtf8(utf8)); }

void Blank(QLineEdit* field) { field->setText(QStringLiteral(" ")); }

void RejectZeroInput(QLineEdit* result) {
  Blank(result);
  ZeroInputError(result);
}

void WriteLine(QPlainTextEdit* memo, int line, const std::string& utf8) {
  QTextDocument* document = memo->document();
  while (document->blockCount() <= line) {
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertBlock();
  }
  QTextCursor cursor(document->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.insertText(QString::fromStdString(utf8));
}

namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QTableWidgetItem* ReadOnlyCell(const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return cell;
}

void HoldColumns(QTableWidget* grid, std::size_t count) {
  if (static_cast<std::size_t>(grid->columnCount()) < count)
    grid->setColumnCount(static_cast<int>(count));
}

} // namespace

void SetColumnWidths(QTableWidget* grid, std::span<const int> widths) {
  HoldColumns(grid, widths.size());
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const int column = static_cast<int>(i);
    grid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    grid->setColumnWidth(column, widths[i]);
  }
}

void SetHeader(QTableWidget* grid, std::initializer_list<std::string_view> cells) {
  HoldColumns(grid, cells.size());
  int column = 0;
  for (std::string_view cell : cells)
    grid->setHorizontalHeaderItem(column++, new QTableWidgetItem(Text(cell)));
}

void SetRow(QTableWidget* grid, int row, std::initializer_list<std::string_view> cells) {
  HoldColumns(grid, cells.size());
  if (grid->rowCount() <= row)
    grid->setRowCount(row + 1);
  int column = 0;
  for (std::string_view cell : cells)
    grid->setItem(row, column++, ReadOnlyCell(Text(cell)));
}

void ExchangeRows(QTableWidget* grid, int a, int b) {
  for (int column = 0; column < grid->columnCount(); ++column) {
    QTableWidgetItem* first = grid->item(a, column);
    QTableWidgetItem* second = grid->item(b, column);
    const QString firstText = first ? first->text() : QString();
    const QString secondText = second ? second->text() : QString();
    if (first)
      first->setText(secondText);
    else
      grid->setItem(a, column, ReadOnlyCell(secondText));
    if (second)
      second->setText(firstText);
    else
      grid->setItem(b, column, ReadOnlyCell(firstText));
  }
}

void ShowPicture(QLabel* label, const QString& svg) {
  QSvgRenderer renderer(svg);
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

void FocusSelectAll(QLineEdit* field) {
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

namespace {

const char* const kColourProperty = "quelmColour";

// Relative luminance of a colour (sRGB), as contrast ratios are defined.
Real Luminance(const QColor& c) {
  const auto channel = [](int v8) {
    const Real v = static_cast<Real>(v8) / 255;
    return v <= 0.04045L ? v / 12.92L : std::pow((v + 0.055L) / 1.055L, 2.4L);
  };
  return 0.2126L * channel(c.red()) + 0.7152L * channel(c.green()) + 0.0722L * channel(c.blue());
}

Real Contrast(Real a, Real b) { return (std::max(a, b) + 0.05L) / (std::min(a, b) + 0.05L); }

// The text colour of a disabled field: the style's own disabled text, moved
// towards the normal text until it stands out by 4.5:1 on each of the three
// fill colours (a solved value is a result to read).
QColor ReadableDisabledText(const QPalette& standard) {
  const QColor text = standard.color(QPalette::Active, QPalette::Text);
  const QColor dim = standard.color(QPalette::Disabled, QPalette::Text);
  const auto readable = [&standard](const QColor& colour) {
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Midlight}) {
      if (Contrast(Luminance(colour), Luminance(standard.color(QPalette::Active, role))) < 4.5L)
        return false;
    }
    return true;
  };
  constexpr int kSteps = 16;
  for (int step = 0; step < kSteps; ++step) {
    const auto mix = [step](int from, int to) { return from + (to - from) * step / kSteps; };
    const QColor colour(mix(dim.red(), text.red()), mix(dim.green(), text.green()),
                        mix(dim.blue(), text.blue()));
    if (readable(colour))
      return colour;
  }
  return text;
}

// A system colour by its role in the application's palette.
QColor SystemColour(const QPalette& standard, Colour colour) {
  switch (colour) {
  case Colour::ButtonFace:
    return standard.color(QPalette::Button);
  case Colour::Light3D:
    return standard.color(QPalette::Midlight);
  case Colour::Window:
    break;
  }
  return standard.color(QPalette::Base);
}

} // namespace

void Paint(QWidget* field, Colour colour) {
  QPalette palette = field->palette();
  const QPalette standard = QApplication::palette(field);
  const QColor fill = SystemColour(standard, colour);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, fill);
  palette.setColor(QPalette::Disabled, QPalette::Text, ReadableDisabledText(standard));
  field->setPalette(palette);
  field->setProperty(kColourProperty, static_cast<int>(colour));
}

Colour PaintedColour(const QWidget* field) {
  const QVariant v = field->property(kColourProperty);
  return v.isValid() ? static_cast<Colour>(v.toInt()) : Colour::Window;
}

void EnableField(QWidget* field, bool enabled) {
  field->setEnabled(enabled);
  Paint(field, enabled ? Colour::Window : Colour::ButtonFace);
}

namespace {

// Fills its widget and draws a thin frame before the widget paints its own
// text over them.
class SwatchPainter : public QObject {
public:
  explicit SwatchPainter(QWidget* target) : QObject(target), target_(target) {
    setObjectName(kName);
    target->installEventFilter(this);
  }
  // The painter of a swatch (its child by this name), if it has one yet.
  static SwatchPainter* Of(const QWidget* swatch) {
    return static_cast<SwatchPainter*>(swatch->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
  }
  void SetFill(const QColor& fill) {
    fill_ = fill;
    target_->update();
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == target_ && event->type() == QEvent::Paint) {
      QPainter painter(target_);
      painter.fillRect(target_->rect(), fill_);
      painter.setPen(QColor(0x40, 0x40, 0x40));
      painter.drawRect(target_->rect().adjusted(0, 0, -1, -1));
    }
    return false;
  }

private:
  static constexpr const char* kName = "quelmSwatchPainter";
  QWidget* target_;
  QColor fill_;
};

QColor Rgb(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFFU), static_cast<int>((rgb >> 8) & 0xFFU),
                static_cast<int>(rgb & 0xFFU));
}

void PaintSwatchIn(QWidget* swatch, const QColor& fill, std::uint32_t text) {
  SwatchPainter* painter = SwatchPainter::Of(swatch);
  if (!painter)
    painter = new SwatchPainter(swatch);
  swatch->setAutoFillBackground(false);
  QPalette palette = swatch->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::WindowText, Rgb(text));
  swatch->setPalette(palette);
  painter->SetFill(fill);
}

} // namespace

void PaintSwatch(QWidget* swatch, std::uint32_t rgb, std::uint32_t text) {
  PaintSwatchIn(swatch, Rgb(rgb), text);
}

void PaintSwatch(QWidget* swatch, Colour colour, std::uint32_t text) {
  PaintSwatchIn(swatch, SystemColour(QApplication::palette(swatch), colour), text);
}

// ---- Links --------------------------------------------------------------------

void ShowAsLink(QLabel* label, const QString& text) {
  label->setText(text);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
}

void OpenLink(const QString& address) { (void)QDesktopServices::openUrl(QUrl(address)); }

// ---- A radio group that picks the solved quantity ---------------------------

SolvedQuantity::SolvedQuantity(QGroupBox* group, std::vector<Item> items, QLabel* caption, QLineEdit* result,
                               SolvedField solved)
    : group_(group), items_(std::move(items)), caption_(caption), result_(result), solved_(solved) {}

int SolvedQuantity::Index() const {
  const int index = RadioIndex(group_);
  return index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

QLineEdit* SolvedQuantity::Field() const {
  const int index = Index();
  return index < 0 ? nullptr : items_[static_cast<std::size_t>(index)].field;
}

void SolvedQuantity::ShowPick() const {
  for (const Item& item : items_) {
    item.field->setEnabled(true);
    Paint(item.field, Colour::Window);
  }
  Blank(result_);
  const int index = Index();
  if (index < 0)
    return;
  const Item& picked = items_[static_cast<std::size_t>(index)];
  Paint(picked.field, Colour::ButtonFace);
  if (solved_ == SolvedField::Disabled)
    picked.field->setEnabled(false);
  Write(caption_, picked.caption);
}

void SolvedQuantity::Deliver(const std::string& value, std::string_view unit) const {
  QLineEdit* field = Field();
  if (!field)
    return;
  Write(field, value);
  Write(result_, field->text().toStdString() + std::string(unit));
}

void SolvedQuantity::BlankResult() const { Blank(result_); }

} // namespace kit
