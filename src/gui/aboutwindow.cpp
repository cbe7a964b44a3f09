#include "gui/aboutwindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/help.h"

namespace korvalt {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("AboutBox");
    setWindowTitle("Infos");
    resize(306, 240);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    SetHelpContext(this, DefaultHelpContext);
    setProperty("helpFile", "MAP.HLP");

    auto* panel = new QFrame(this);
    panel->setObjectName("RahmenPNL");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 290, 180);

    auto* icon = new QLabel(panel);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(QPixmap(":/icons/korvalt.png")
                        .scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setGeometry(12, 12, 40, 40);

    const char* const pairs[][2] = {
        {"Produktname", "Korvalt"}, {"Version", "1.0"}, {"Kommentare", "Testbetrieb"}};
    int top = 20;
    for (const auto& pair : pairs) {
        auto* key = new QLabel(pair[0], panel);
        QFont bold = key->font();
        bold.setBold(true);
        key->setFont(bold);
        key->setGeometry(70, top, 100, 20);
        auto* value = new QLabel(pair[1], panel);
        value->setGeometry(175, top, 105, 20);
        top += 40;
    }

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(115, 200, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace korvalt
