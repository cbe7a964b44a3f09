#include "gui/statusline.h"

#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include "gui/qtext.h"
#include "gui/recentfiles.h"

namespace korvalt {

TStatusLine::TStatusLine(QStatusBar* bar) {
    bar->setObjectName("StatusBar");
    bar->setSizeGripEnabled(false);
    StatusLabel = new QLabel(bar);
    StatusLabel->setObjectName("StatusText");
    MeldungLabel = new QLabel(bar);
    MeldungLabel->setObjectName("MeldungText");
    MeldungLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OrdnerLabel = new QLabel(bar);
    OrdnerLabel->setObjectName("ArbeitsordnerText");
    OrdnerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(StatusLabel);
    bar->addWidget(MeldungLabel, 1);
    bar->addPermanentWidget(OrdnerLabel);
}

void TStatusLine::SetStatus(const QString& text) {
    StatusLabel->setText(text);
}

QString TStatusLine::Status() const {
    return StatusLabel->text();
}

void TStatusLine::Say(const QString& text, bool failure) {
    MeldungLabel->setText(text);
    MeldungLabel->setToolTip(text);
    MeldungLabel->setStyleSheet(failure ? "color: #a00000;" : QString());
}

QString TStatusLine::Said() const {
    return MeldungLabel->text();
}

void TStatusLine::ShowWorkingDir(const std::string& folder) {
    OrdnerLabel->setText("Arbeitsordner: " + PathToQ(folder));
    OrdnerLabel->setToolTip(OrdnerLabel->text());
}

bool TStatusLine::Report(const TResult<TWritten>& outcome, const std::string& path) {
    const std::string written = outcome.value.written.empty() ? path : outcome.value.written;
    if (outcome.ok) {
        Say("Geschrieben: " + QFileInfo(PathToQ(written)).absoluteFilePath());
        if (!written.empty()) RememberGeneratedFile(written);
    } else if (!outcome.error.empty()) {
        Say("Nicht geschrieben: " + QString::fromStdString(outcome.error).section('\n', 0, 0),
            true);
    } else {
        Say(written.empty() ? QString("Nicht geschrieben: die vorhandene Datei bleibt.")
                            : "Nicht geschrieben: " + PathToQ(written) + " bleibt, wie sie ist.",
            true);
    }
    return outcome.ok;
}

void TStatusLine::SayCancelled() {
    Say("Abgebrochen: keine Datei geschrieben.");
}

} // namespace korvalt
