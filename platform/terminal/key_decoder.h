// Turns the bytes a tty sends into the key records a console keyboard would produce: UTF-8
// characters into code page 437, control bytes into their Ctrl keys, escape sequences into
// the named keys. Bytes come in as they are read; an unfinished sequence waits for the next
// read, and a lone ESC becomes the Escape key only when no byte follows in time (Flush).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/console_api.h"
#include "platform/keyboard_us.h"

namespace platform::terminal {

class KeyDecoder {
 public:
  // A string the terminal's description gives for a key; it wins over the generic forms.
  void AddKeyString(std::string_view bytes, keyboard::Key key);

  // Decodes what it can; every key press goes out followed by its release.
  void Feed(std::string_view bytes, std::vector<InputRecord>* out);
  // No further byte came: a lone ESC is the Escape key, ESC and one character is Alt with it,
  // and any other unfinished sequence is dropped.
  void Flush(std::vector<InputRecord>* out);
  // True while bytes wait for the rest of their sequence.
  bool pending() const { return !pending_.empty(); }

 private:
  // Bytes taken from the front of `s`, 0 when `s` is the start of a longer sequence.
  std::size_t DecodeOne(std::string_view s, std::vector<InputRecord>* out) const;
  std::size_t DecodeEscape(std::string_view s, std::vector<InputRecord>* out) const;
  std::size_t DecodeKeyString(std::string_view s, std::vector<InputRecord>* out,
                              bool* partial) const;

  std::string pending_;
  std::vector<std::pair<std::string, keyboard::Key>> key_strings_;
};

}  // namespace platform::terminal
