#include "gui/codestil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>

#include "gui/help.h"
#include "gui/helptopics.h"

namespace korvalt {

TCodestilGB::TCodestilGB(QWidget* parent) : QGroupBox(QString::fromUtf8("Codestil"), parent) {
    setObjectName("CodestilGB");
    SetHelpContext(this, HelpCodestil);
    auto* layout = new QFormLayout(this);
    auto box = [this, layout](const char* name, const char* text) {
        auto* b = new QCheckBox(QString::fromUtf8(text), this);
        b->setObjectName(name);
        layout->addRow(b);
        connect(b, &QCheckBox::clicked, this, [this] { emit Changed(Read()); });
        return b;
    };
    NumericStdCheckBox = box("NumericStdCheckBox", "Nur &numeric_std (ohne std_logic_arith)");
    FlankeCheckBox = box("FlankeCheckBox", "rising_&edge/falling_edge");
    KodierungCBox = new QComboBox(this);
    KodierungCBox->setObjectName("KodierungCBox");
    // In the order of TKodierung.
    KodierungCBox->addItems({"automatisch", "One-Hot", "Gray", QString::fromUtf8("bin\u00e4r")});
    layout->addRow(QString::fromUtf8("&Kodierung:"), KodierungCBox);
    connect(KodierungCBox, &QComboBox::activated, this, [this] { emit Changed(Read()); });
    SicherCheckBox = box("SicherCheckBox", "&Sicherer Automat (Code ohne Zustand \u2192 Reset)");
    RegisterCheckBox = box("RegisterCheckBox", "Ausg\u00e4nge aus &Registern (Moore)");
}

void TCodestilGB::SetOptionen(const TOptionen& o, bool moore) {
    const QSignalBlocker block(this);
    NumericStdCheckBox->setChecked(o.NumericStd);
    FlankeCheckBox->setChecked(o.Flanke);
    KodierungCBox->setCurrentIndex(static_cast<int>(o.Kodierung));
    SicherCheckBox->setChecked(o.Sicher);
    RegisterCheckBox->setChecked(o.Register);
    RegisterCheckBox->setEnabled(moore);
}

TOptionen TCodestilGB::Read() const {
    TOptionen o;
    o.NumericStd = NumericStdCheckBox->isChecked();
    o.Flanke = FlankeCheckBox->isChecked();
    o.Kodierung = static_cast<TKodierung>(KodierungCBox->currentIndex());
    o.Sicher = SicherCheckBox->isChecked();
    o.Register = RegisterCheckBox->isChecked();
    return o;
}

} // namespace korvalt
