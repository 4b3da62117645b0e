#pragma once
// The page "3 バリコン設計": the parallel-plate capacitor design group on the
// left, and on the right the two plate-dimension groups that write into and
// read its area field Edit93.
#include <QWidget>
#include <memory>

class QLineEdit;

namespace kit {
class SolvedQuantity;
}

namespace varicap {

namespace Ui {
class VaricapPage;
}

struct PlateResult;

class VaricapPage : public QWidget {
  Q_OBJECT

public:
  explicit VaricapPage(QWidget* parent = nullptr);
  ~VaricapPage() override;

  // The design group.
  void RadioGroup6Click();
  void BitBtn22Click();
  void ComboBox19Change();
  void ComboBox20Change();
  void ComboBox21Change();

  // Area from the plate's dimensions, into Edit93.
  void BitBtn23Click();
  void BitBtn24Click();
  void BitBtn25Click();
  // Dimensions from the area in Edit93.
  void BitBtn26Click();
  void BitBtn27Click();
  void BitBtn28Click();
  void BitBtn29Click();

private:
  // Writes an Ok result into `target`, shows the page's message for a
  // refused one, and does nothing for NoResult.
  void Deliver(const PlateResult& result, QLineEdit* target);

  std::unique_ptr<Ui::VaricapPage> ui;
  // The design group's picked quantity (N, S, d, C, εr).
  std::unique_ptr<kit::SolvedQuantity> design_;
};

} // namespace varicap
