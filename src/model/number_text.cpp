#include "model/number_text.h"

namespace tesvik {

int number_of_digit(char digit) {
  if (digit < '0' || digit > '9') return 0;
  return digit == '0' ? 10 : digit - '0';
}

}  // namespace tesvik
