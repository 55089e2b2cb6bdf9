#pragma once

class QCoreApplication;

namespace platform {

// Qt's own Japanese strings, whatever the system locale, so the standard buttons read
// OK / キャンセル / 再試行 as on the desktop this program was made for.
bool installJapaneseTranslation(QCoreApplication &app);

} // namespace platform
