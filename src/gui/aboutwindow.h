// The about box "Infos": product name, version and comment beside the icon.
#pragma once

#include <QDialog>

namespace korvalt {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace korvalt
