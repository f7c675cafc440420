#include "core/job/gerber_extent.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "core/text/message_translation.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {

namespace {

constexpr double kMillimetresPerInch = 25.4;

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

// The coordinate format of %FS: digits after the point, and which zeros are left out.
struct Format {
  bool known = false;
  bool trailing_omitted = false;
  int integer_digits = 0;
  int decimal_digits = 0;
};

class ExtentScanner {
 public:
  ExtentScanner(const std::string& name, BoardBox* box) : name_(name), box_(box) {}

  Status Extended(std::string_view command) {
    if (StartsWith(command, "FS")) return FormatSpec(command);
    if (StartsWith(command, "MO")) {
      metric_ = command.substr(2, 2) == "MM";
      return Status::Ok();
    }
    if (StartsWith(command, "AD")) return ApertureSpec(command);
    return Status::Ok();
  }

  Status Word(std::string_view command) {
    if (command.empty() || StartsWith(command, "G04")) return Status::Ok();
    // "G54D10" and "D10" select an aperture; "D01".."D03" carry out what the coordinates say.
    std::optional<double> x, y, i, j;
    int d = 0;
    std::size_t at = 0;
    while (at < command.size()) {
      const char letter = command[at];
      std::size_t end = at + 1;
      while (end < command.size() && !std::isalpha(static_cast<unsigned char>(command[end]))) ++end;
      const std::string_view value = command.substr(at + 1, end - at - 1);
      if (letter == 'X' || letter == 'Y' || letter == 'I' || letter == 'J') {
        const std::optional<double> mm = Coordinate(value);
        if (!mm) return Refuse(command);
        (letter == 'X' ? x : letter == 'Y' ? y : letter == 'I' ? i : j) = mm;
      } else if (letter == 'D') {
        const std::optional<std::int32_t> code = ParseInt32(value);
        if (!code) return Refuse(command);
        d = *code;
      } else if (letter == 'G') {
        const std::optional<std::int32_t> code = ParseInt32(value);
        if (code && *code == 36) region_ = true;
        if (code && *code == 37) region_ = false;
      }
      at = end;
    }
    if (d >= 10) {
      const auto size = apertures_.find(d);
      reach_ = size == apertures_.end() ? largest_aperture_ / 2.0 : size->second / 2.0;
      return Status::Ok();
    }
    if (!x && !y) return Status::Ok();
    if (x) x_ = *x;
    if (y) y_ = *y;
    const double reach = region_ ? 0.0 : reach_;
    box_->Add(x_, y_, reach);
    if (i || j) {
      // The arc stays within twice its radius of its end, whatever its quadrant mode.
      box_->Add(x_, y_, reach + 2.0 * std::hypot(i.value_or(0.0), j.value_or(0.0)));
    }
    return Status::Ok();
  }

 private:
  Status Refuse(std::string_view command) const {
    return Status::Error(Fill(Tr("Le fichier Gerber %1 contient une commande illisible : « %2 »."),
                              {Quoted(name_), command.substr(0, 60)}));
  }

  // "FSLAX46Y46": L or T (zeros left out), A (absolute), X and Y digits.
  Status FormatSpec(std::string_view command) {
    const std::size_t x = command.find('X');
    if (command.size() < 4 || x == std::string_view::npos || x + 2 >= command.size() ||
        !std::isdigit(static_cast<unsigned char>(command[x + 1])) ||
        !std::isdigit(static_cast<unsigned char>(command[x + 2]))) {
      return Refuse(command);
    }
    format_.known = true;
    format_.trailing_omitted = command[2] == 'T';
    format_.integer_digits = command[x + 1] - '0';
    format_.decimal_digits = command[x + 2] - '0';
    return Status::Ok();
  }

  // "ADD10C,0.5", "ADD11R,1.2X0.8", "ADD12RoundRect,0.1X...": the aperture's widest reach, mm.
  Status ApertureSpec(std::string_view command) {
    if (command.size() < 4 || command[2] != 'D') return Refuse(command);
    std::size_t at = 3;
    while (at < command.size() && std::isdigit(static_cast<unsigned char>(command[at]))) ++at;
    const std::optional<std::int32_t> code = ParseInt32(command.substr(3, at - 3));
    if (!code) return Refuse(command);
    const std::size_t comma = command.find(',', at);
    const std::string_view shape = command.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at);
    std::vector<double> parameters;
    if (comma != std::string_view::npos) {
      std::string_view rest = command.substr(comma + 1);
      while (!rest.empty()) {
        const std::size_t cross = rest.find('X');
        const std::optional<double> value = ParseDecimal(rest.substr(0, cross), '.');
        if (value) parameters.push_back(std::abs(*value) * Unit());
        rest = cross == std::string_view::npos ? std::string_view() : rest.substr(cross + 1);
      }
    }
    double size = 0.0;
    if ((shape == "R" || shape == "O") && parameters.size() >= 2) {
      size = std::hypot(parameters[0], parameters[1]);
    } else if (!parameters.empty()) {
      // C, P: the first parameter is the (outer) diameter; a macro: the largest, doubled, since
      // its primitives may sit off its centre.
      size = (shape == "C" || shape == "P") ? parameters[0]
                                            : 2.0 * *std::max_element(parameters.begin(), parameters.end());
    }
    apertures_[*code] = size;
    largest_aperture_ = std::max(largest_aperture_, size);
    return Status::Ok();
  }

  double Unit() const { return metric_ ? 1.0 : kMillimetresPerInch; }

  std::optional<double> Coordinate(std::string_view text) const {
    if (!format_.known) return std::nullopt;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
      negative = text[0] == '-';
      text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != std::string_view::npos) {
      if (text.find('.') != std::string_view::npos) {
        const std::optional<double> plain = ParseDecimal(text, '.');
        if (plain) return (negative ? -*plain : *plain) * Unit();
      }
      return std::nullopt;
    }
    double value = static_cast<double>(std::stoll(std::string(text)));
    const int shift = format_.trailing_omitted
                          ? format_.integer_digits - static_cast<int>(text.size())
                          : -format_.decimal_digits;
    value *= std::pow(10.0, shift);
    return (negative ? -value : value) * Unit();
  }

  const std::string& name_;
  BoardBox* box_;
  Format format_;
  bool metric_ = false;
  bool region_ = false;
  std::map<int, double> apertures_;  // widest size by D code, mm
  double largest_aperture_ = 0.0;
  double reach_ = 0.0;  // half the current aperture's size, mm
  double x_ = 0.0, y_ = 0.0;
};

}  // namespace

void BoardBox::Add(double x, double y, double reach) {
  if (empty) {
    min_x = max_x = x;
    min_y = max_y = y;
    empty = false;
  }
  min_x = std::min(min_x, x - reach);
  max_x = std::max(max_x, x + reach);
  min_y = std::min(min_y, y - reach);
  max_y = std::max(max_y, y + reach);
}

bool LooksLikeGerber(std::string_view head) {
  std::size_t at = head.find_first_not_of(" \t\r\n");
  if (at == std::string_view::npos) return false;
  head.remove_prefix(at);
  return head[0] == '%' || StartsWith(head, "G04") || StartsWith(head, "G75") || StartsWith(head, "G01") ||
         StartsWith(head, "G36") || StartsWith(head, "G71") || StartsWith(head, "G70");
}

Status ScanGerberExtent(std::string_view text, const std::string& name, BoardBox* box) {
  BoardBox result;
  ExtentScanner scanner(name, &result);
  std::string command;
  bool extended = false;
  for (const char c : text) {
    if (c == '\r' || c == '\n') continue;
    if (c == '%') {
      extended = !extended;
      command.clear();
      continue;
    }
    if (c != '*') {
      command.push_back(c);
      continue;
    }
    const Status s = extended ? scanner.Extended(command) : scanner.Word(command);
    if (!s) return s;
    command.clear();
  }
  if (result.empty) {
    return Status::Error(Fill(Tr("Le fichier Gerber %1 ne dessine rien (aucune coordonnée lue)."), {Quoted(name)}));
  }
  *box = result;
  return Status::Ok();
}

}  // namespace pistora
