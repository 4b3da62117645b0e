#pragma once
// The page " 受信範囲 " of "2 同調回路設計": the reception range of a tuned
// circuit with a variable capacitor (left) and with a variable inductor
// (right), each turning a tuning range into frequencies and back.
#include <QWidget>
#include <memory>

namespace tuning {

namespace Ui {
class RangePage;
}

class RangePage : public QWidget {
  Q_OBJECT

public:
  explicit RangePage(QWidget* parent = nullptr);
  ~RangePage() override;

  // Variable capacitor: frequencies from capacitances, capacitances from
  // frequencies.
  void BitBtn4Click();
  void BitBtn5Click();
  // Variable inductor: frequencies from inductances, inductances from
  // frequencies.
  void BitBtn6Click();
  void BitBtn7Click();

private:
  std::unique_ptr<Ui::RangePage> ui;
};

} // namespace tuning
