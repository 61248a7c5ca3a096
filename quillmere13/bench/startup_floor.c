/* The start-up floor for Quillmere13: a plain C program that does the one sizeable computation of its
   sections, the count of primes below 10000 by trial division on 64-bit integers (each odd n tested against
   the primes found so far while p * p <= n), prints the count and nothing else. */
#include <stdint.h>
#include <stdio.h>

int main(void) {
  static int64_t primes[1300];
  size_t count = 0;
  for (int64_t n = 3; n < 10000; n += 2) {
    int composite = 0;
    for (size_t i = 0; i < count; ++i) {
      int64_t p = primes[i];
      if (n % p == 0) {
        composite = 1;
        break;
      }
      if (p * p > n) break;
    }
    if (!composite) primes[count++] = n;
  }
  printf("%zu\n", count + 1); /* and 2 */
  return 0;
}
