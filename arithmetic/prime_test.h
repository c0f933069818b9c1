// The primality decision behind the maths menu's "Is Prime Number" entry.
#ifndef QUILLARY_MATHS_PRIME_TEST_H_
#define QUILLARY_MATHS_PRIME_TEST_H_

#include <cstdint>

// True when n is a prime: 2 or more and without a divisor between 2 and its
// square root. Every value below 2 (1, 0, all negatives) is not prime.
// Defined for every 32-bit value; 2147483647 takes about 23,000 divisions.
bool IsPrime(std::int32_t n);

#endif  // QUILLARY_MATHS_PRIME_TEST_H_
