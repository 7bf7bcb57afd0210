#include "front6/output_6x.h"

namespace tesvik {

std::string_view separator_6x(int mode) {
  switch (mode) {
    case 2: return ",";
    case 3: return "";
    default: return " ";
  }
}

}  // namespace tesvik
