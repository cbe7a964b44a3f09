// The code-style controls of the state-machine editor ("Takt und Reset" page
// of "Vorgaben"): libraries, clock edge, encoding, recovery and registered
// outputs. They show the machine's options and report every change at once.
#pragma once

#include <QGroupBox>

#include "fsm/options.h"

class QCheckBox;
class QComboBox;

namespace korvalt {

class TCodestilGB : public QGroupBox {
    Q_OBJECT
  public:
    explicit TCodestilGB(QWidget* parent);
    void SetOptionen(const TOptionen& o, bool moore);

  signals:
    void Changed(const TOptionen& o);

  private:
    TOptionen Read() const;
    QCheckBox *NumericStdCheckBox, *FlankeCheckBox, *SicherCheckBox, *RegisterCheckBox;
    QComboBox* KodierungCBox;
};

} // namespace korvalt
