#include "arithmetic/prime_test.h"

bool IsPrime(std::int32_t n) {
  if (n < 2) return false;
  if (n % 2 == 0) return n == 2;
  // A composite n has a divisor no larger than its square root, so the
  // search can stop there. "d <= n / d" says d * d <= n without forming
  // d * d, which would overflow for n near 2147483647; even divisors are
  // already ruled out above.
  for (std::int32_t d = 3; d <= n / d; d += 2) {
    if (n % d == 0) return false;
  }
  return true;
}
