#include "platform/SystemMetrics.h"

namespace ostrak {

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXVSCROLL:
      return 17;
    case SM_CYBORDER:
      return 1;
    default:
      return 0;
  }
}

}  // namespace ostrak
