// WordReader: the words of a text file, one at a time, read with fgetc.
//
// A word is a run of bytes that the "C" locale's alphabetic test accepts (ASCII letters only); every other
// byte separates words. The reader owns its C stream from a successful open until close() or, at the
// latest, its destruction. It is its own iterator: a range-for over a reader reads on from the current
// position, so a second loop over the same reader yields nothing.
//
//   if (auto reader = q13::WordReader::open("notes.txt")) {
//     for (const std::string& word : *reader) ...
//     if (reader->readError() != 0) ...  // the loop stopped on an error, not at the end
//   }
#pragma once

#include <cstddef>
#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace q13 {

class WordReader {
 public:
  // Made only inside make(), so that every reader comes from it; a subclass's constructor takes the key first
  // and hands it on.
  class Key {
    Key() = default;
    friend class WordReader;
  };

  // Whoever empties the pointer closes the stream.
  struct Closer {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
  };
  using Stream = std::unique_ptr<std::FILE, Closer>;

  // Opens `path` (UTF-8) with fopen in mode "r". No object (an empty pointer) when it cannot be opened, with
  // errno saying why; nothing is printed.
  static std::shared_ptr<WordReader> open(const std::string& path);

  // A reader of class Reader (this class or a subclass), built from `args` after the key. When its last
  // reference goes, close() is called through dynamic dispatch on the whole object, and only then is it
  // destroyed: a destructor could only reach its own class's close().
  template <class Reader, class... Args>
  static std::shared_ptr<Reader> make(Args&&... args) {
    return std::shared_ptr<Reader>(new Reader(Key(), std::forward<Args>(args)...), &close_and_delete);
  }

  WordReader(Key, Stream stream) : fptr_(std::move(stream)) {}
  WordReader(const WordReader&) = delete;
  WordReader& operator=(const WordReader&) = delete;
  virtual ~WordReader() = default;

  // Closes the stream if one is open; harmless when called again.
  virtual void close();
  // The next word, or nothing at the end of the file, after a read error, or once closed.
  virtual std::optional<std::string> getWord();
  std::optional<std::string> next() { return getWord(); }
  WordReader& makeIterator() { return *this; }

  // The errno value of the read error that ended the words (never 0 for an error), or 0 when none occurred.
  int readError() const { return read_error_; }

  // The plumbing for range-for: the iterator only forwards to the reader, which holds all the state.
  class Iterator {
   public:
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    explicit Iterator(WordReader& reader) : reader_(&reader), word_(reader.next()) {}

    const std::string& operator*() const { return *word_; }
    Iterator& operator++() {
      word_ = reader_->next();
      return *this;
    }
    void operator++(int) { ++*this; }
    friend bool operator==(const Iterator& it, std::default_sentinel_t) { return !it.word_.has_value(); }

   private:
    WordReader* reader_ = nullptr;
    std::optional<std::string> word_;
  };

  Iterator begin() { return Iterator(*this); }
  std::default_sentinel_t end() { return {}; }

 private:
  static void close_and_delete(WordReader* reader);
  // Keeps the first read error; called when fgetc has returned EOF.
  void note_end();

  Stream fptr_;
  int read_error_ = 0;
};

}  // namespace q13
