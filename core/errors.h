#pragma once
// A failing operation raises a RuntimeError carrying a number, a source and a
// description, like the run-time errors the screens were written against.

#include <stdexcept>
#include <string>

#include "core/error_numbers.h"

namespace rallix {

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::string source, std::string description)
      : std::runtime_error(Compose(number, source, description)),
        number_(number),
        source_(std::move(source)),
        description_(std::move(description)) {}

  int Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  static std::string Compose(int number, const std::string& source, const std::string& text) {
    return "Run-time error " + std::to_string(number) + " (" + source + "): " + text;
  }

  int number_;
  std::string source_;
  std::string description_;
};

}  // namespace rallix
