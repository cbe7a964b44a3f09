// Korvalt speaks German whatever the desktop's language: Qt's own texts
// (standard buttons, the file dialog) are loaded in German, not by the locale.
#pragma once

namespace korvalt {

// Installs Qt's German texts on the running application, once; false when
// they are not installed on this system (Qt's English texts remain).
bool InstallGermanQtTexts();

} // namespace korvalt
