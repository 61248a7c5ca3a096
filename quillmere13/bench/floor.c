/* The plain C floor for Quillmere13's word count: the program's mechanics written the way a C programmer
   would write them, with nothing to spare.
     - fgetc for every byte; a word is a run of bytes that isalpha accepts in the "C" locale, lower-cased
       with tolower;
     - pass 1 stores every word (its bytes, one after the other, each ended by a NUL) and only then counts
       them; pass 2 counts straight from the file;
     - the counts live in an open-addressing hash table (FNV-1a, linear probing, at most half full);
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

struct buffer {
  char* bytes;
  size_t len, cap;
};

static void put(struct buffer* b, char c) {
  if (b->len == b->cap) {
    b->cap = b->cap != 0 ? 2 * b->cap : 64;
    b->bytes = checked(realloc(b->bytes, b->cap));
  }
  b->bytes[b->len++] = c;
}

/* The next word of f, lower-cased, into w (not NUL-ended). 0 at the end of the file. */
static int next_word(FILE* f, struct buffer* w) {
  int c;
  w->len = 0;
  do c = fgetc(f);
  while (c != EOF && !isalpha(c));
  while (c != EOF && isalpha(c)) {
    put(w, (char)tolower(c));
    c = fgetc(f);
  }
  return w->len != 0;
}

static uint64_t fnv1a(const char* s, size_t n) {
  uint64_t h = 14695981039346656037ull;
  for (size_t i = 0; i < n; ++i) h = (h ^ (unsigned char)s[i]) * 1099511628211ull;
  return h;
}

struct entry {
  char* word; /* NULL: free slot */
  size_t len;
  uint64_t hash;
  int64_t count;
  size_t order; /* when the word was first seen */
};

struct table {
  struct entry* slots;
  size_t cap, size;
};

static void grow(struct table* t) {
  size_t cap = t->cap != 0 ? 2 * t->cap : 1024;
  struct entry* slots = checked(calloc(cap, sizeof *slots));
  for (size_t i = 0; i < t->cap; ++i) {
    if (t->slots[i].word == NULL) continue;
    size_t j = t->slots[i].hash & (cap - 1);
    while (slots[j].word != NULL) j = (j + 1) & (cap - 1);
    slots[j] = t->slots[i];
  }
  free(t->slots);
  t->slots = slots;
  t->cap = cap;
}

static void add(struct table* t, const char* word, size_t len) {
  if (2 * (t->size + 1) > t->cap) grow(t);
  uint64_t hash = fnv1a(word, len);
  size_t i = hash & (t->cap - 1);
  for (;; i = (i + 1) & (t->cap - 1)) {
    struct entry* e = &t->slots[i];
    if (e->word == NULL) break;
    if (e->hash == hash && e->len == len && memcmp(e->word, word, len) == 0) {
      ++e->count;
      return;
    }
  }
  struct entry* e = &t->slots[i];
  e->word = checked(malloc(len));
  memcpy(e->word, word, len);
  e->len = len;
  e->hash = hash;
  e->count = 1;
  e->order = t->size++;
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
    if (t->slots[i].word != NULL) pairs[n++] = t->slots[i];
  }
  qsort(pairs, n, sizeof *pairs, by_count);
  for (size_t i = 0; i < n; ++i) free(pairs[i].word);
  free(pairs);
  free(t->slots);
  return n;
}

int main(void) {
  struct buffer word = {0};

  FILE* f = fopen(path, "r");
  if (f == NULL) return 1;
  struct buffer all = {0};
  while (next_word(f, &word)) {
    for (size_t i = 0; i < word.len; ++i) put(&all, word.bytes[i]);
    put(&all, '\0');
  }
  fclose(f);
  if (all.len == 0) return 0;
  struct table first = {0};
  for (size_t at = 0; at < all.len;) {
    size_t len = strlen(all.bytes + at);
    add(&first, all.bytes + at, len);
    at += len + 1;
  }
  free(all.bytes);
  size_t distinct = rank_and_free(&first);

  f = fopen(path, "r");
  if (f == NULL) return 1;
  struct table second = {0};
  while (next_word(f, &word)) add(&second, word.bytes, word.len);
  fclose(f);
  free(word.bytes);
  return rank_and_free(&second) == distinct ? 0 : 2;
}
