#include "widgets/navigation/PopupMenu.h"

namespace ostrak {

void TPopupMenu::Popup(int x, int y) { exec(QPoint(x, y)); }

}  // namespace ostrak
