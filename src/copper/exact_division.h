#pragma once

#include <cstdint>

namespace pravelo {

__extension__ typedef __int128 Int128;

// num / den rounded half to even, exactly; den must not be 0.
inline std::int64_t divideRounded(Int128 num, Int128 den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  Int128 q = num / den;
  Int128 rem = num % den;
  if (rem < 0) {
    rem += den;
    q -= 1;
  }
  const Int128 twice = 2 * rem;
  if (twice > den || (twice == den && (q & 1) != 0)) q += 1;
  return static_cast<std::int64_t>(q);
}

}  // namespace pravelo
