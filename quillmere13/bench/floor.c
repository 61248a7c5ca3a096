/* The plain C floor for Quillmere13's word count: the program's mechanics written the way a C programmer
   would write them when speed matters, with nothing to spare.
     - fgetc for every byte; a word is a run of bytes that isalpha accepts in the "C" locale, lower-cased
       with tolower (both asked once per byte value, one table load a byte) and written straight into its
       place (one capacity comparison a byte, a doubling copy only when a buffer fills);
     - pass 1 stores every word (its bytes, one after the other, each ended by a NUL) and only then counts
       them; pass 2 counts straight from the file;
     - the counts live in a flat open-addressing hash table (FNV-1a, linear probing, at most three quarters
       full) of 24-byte entries pointing into one text of the distinct words;
     - the (word, count) pairs are sorted larger counts first, equal counts in first-seen order.
   It exits with 0 when both passes found the same number of distinct words. */
#include <ctype.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char* const path = "Quillmere01.Start.cpp";

static void* checked(void* p) {
  if (p == NULL) {
    fputs("out of memory\n", stderr);
    exit(3);
  }
  return p;
}

struct text {
  char* bytes;
  size_t len, cap;
};

static void reserve(struct text* t, size_t more) {
  if (t->len + more <= t->cap) return;
  while (t->len + more > t->cap) t->cap = t->cap != 0 ? 2 * t->cap : 1 << 16;
  t->bytes = checked(realloc(t->bytes, t->cap));
}

/* isalpha and tolower asked once per byte value rather than once per byte read: the lower-case letter of
   each letter, 0 for every other byte, indexed by fgetc's result + 1 so that EOF reads as a separator. */
static unsigned char lower_of[257];

static void classify_bytes(void) {
  for (int c = 0; c < 256; ++c) lower_of[c + 1] = isalpha(c) ? (unsigned char)tolower(c) : 0;
}

/* Appends the next word of f, lower-cased, to t (not NUL-ended); returns its length, 0 at the end. */
static size_t read_word(FILE* f, struct text* t) {
  int c;
  do c = fgetc(f);
  while (c != EOF && lower_of[c + 1] == 0);
  size_t start = t->len;
  char* at = t->bytes + t->len;
  char* full = t->bytes + t->cap;
  for (unsigned char letter; (letter = lower_of[c + 1]) != 0; c = fgetc(f)) {
    if (at == full) {
      t->len = (size_t)(at - t->bytes);
      reserve(t, 1);
      at = t->bytes + t->len;
      full = t->bytes + t->cap;
    }
    *at++ = (char)letter;
  }
  t->len = (size_t)(at - t->bytes);
  return t->len - start;
}

static uint32_t fnv1a(const char* s, size_t n) {
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < n; ++i) h = (h ^ (unsigned char)s[i]) * 16777619u;
  return h;
}

struct entry {
  uint32_t hash;
  uint32_t len;   /* 0: free slot */
  uint32_t word;  /* where the word starts in the table's text */
  uint32_t order; /* when the word was first seen */
  int64_t count;
};

struct table {
  struct entry* slots;
  size_t cap, size;
  struct text words;
};

static void grow(struct table* t) {
  size_t cap = t->cap != 0 ? 2 * t->cap : 1024;
  struct entry* slots = checked(calloc(cap, sizeof *slots));
  for (size_t i = 0; i < t->cap; ++i) {
    if (t->slots[i].len == 0) continue;
    size_t j = t->slots[i].hash & (cap - 1);
    while (slots[j].len != 0) j = (j + 1) & (cap - 1);
    slots[j] = t->slots[i];
  }
  free(t->slots);
  t->slots = slots;
  t->cap = cap;
}

static void add(struct table* t, const char* word, size_t len) {
  if (4 * (t->size + 1) > 3 * t->cap) grow(t);
  uint32_t hash = fnv1a(word, len);
  size_t i = hash & (t->cap - 1);
  for (;; i = (i + 1) & (t->cap - 1)) {
    struct entry* e = &t->slots[i];
    if (e->len == 0) break;
    if (e->hash == hash && e->len == len && memcmp(t->words.bytes + e->word, word, len) == 0) {
      ++e->count;
      return;
    }
  }
  reserve(&t->words, len);
  memcpy(t->words.bytes + t->words.len, word, len);
  t->slots[i] = (struct entry){hash, (uint32_t)len, (uint32_t)t->words.len, (uint32_t)t->size++, 1};
  t->words.len += len;
}

static int by_count(const void* a, const void* b) {
  const struct entry* x = a;
  const struct entry* y = b;
  if (x->count != y->count) return x->count > y->count ? -1 : 1;
  return x->order < y->order ? -1 : x->order > y->order;
}

/* Sorts the table's pairs and frees the table; returns the number of pairs. */
static size_t rank_and_free(struct table* t) {
  struct entry* pairs = checked(malloc((t->size + 1) * sizeof *pairs));
  size_t n = 0;
  for (size_t i = 0; i < t->cap; ++i) {
    if (t->slots[i].len != 0) pairs[n++] = t->slots[i];
  }
  qsort(pairs, n, sizeof *pairs, by_count);
  free(pairs);
  free(t->slots);
  free(t->words.bytes);
  return n;
}

int main(void) {
  classify_bytes();
  FILE* f = fopen(path, "r");
  if (f == NULL) return 1;
  struct text all = {0};
  size_t len;
  while ((len = read_word(f, &all)) != 0) {
    reserve(&all, 1);
    all.bytes[all.len++] = '\0';
  }
  fclose(f);
  if (all.len == 0) return 0;
  struct table first = {0};
  for (size_t at = 0; at < all.len;) {
    len = strlen(all.bytes + at);
    add(&first, all.bytes + at, len);
    at += len + 1;
  }
  free(all.bytes);
  size_t distinct = rank_and_free(&first);

  f = fopen(path, "r");
  if (f == NULL) return 1;
  struct table second = {0};
  struct text word = {0};
  while ((len = read_word(f, &word)) != 0) {
    add(&second, word.bytes, len);
    word.len = 0;
  }
  fclose(f);
  free(word.bytes);
  return rank_and_free(&second) == distinct ? 0 : 2;
}
