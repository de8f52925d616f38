// The VCD reader: header declarations, then value changes grouped by time stamp.
#include "device/vcd_reader.h"

#include <array>
#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string_view>

#include "device/vcd_format.h"

namespace lunda {
namespace {

// What an identifier code drives: one data line, or the whole bus.
struct Role {
  int bit = -1;  // 0..7, or -1 for the bus
};

bool ParseInt(std::string_view text, std::int64_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// Nanoseconds per time step of "1 ns", "10us", "100 ps" and so on, as a fraction.
bool ParseTimescale(std::string text, std::int64_t& numerator, std::int64_t& denominator) {
  std::erase(text, ' ');
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  std::int64_t count = 0;
  if (!ParseInt(text.substr(0, digits), count) || (count != 1 && count != 10 && count != 100))
    return false;
  static const std::map<std::string, std::pair<std::int64_t, std::int64_t>> kUnits = {
      {"s", {1'000'000'000, 1}}, {"ms", {1'000'000, 1}}, {"us", {1'000, 1}}, {"ns", {1, 1}},
      {"ps", {1, 1'000}},        {"fs", {1, 1'000'000}}};
  const auto unit = kUnits.find(Lower(text.substr(digits)));
  if (unit == kUnits.end()) return false;
  numerator = count * unit->second.first;
  denominator = unit->second.second;
  return true;
}

class Parser {
 public:
  Parser(std::string text, Waveform& waveform, std::string& error)
      : text(std::move(text)), waveform(waveform), error(error) {}

  bool Run() {
    std::string token;
    while (Next(token)) {
      if (token == "$enddefinitions") {
        if (!SkipToEnd()) return false;
        if (roles.empty()) return Fail("the file has no wires D0..D7 nor an 8-bit bus 'data'");
        return Body();
      }
      if (!Declaration(token)) return false;
    }
    return Fail("the file ends before $enddefinitions; is it a VCD file?");
  }

 private:
  bool Next(std::string& token) {
    while (position < text.size() && IsSpace(text[position])) {
      if (text[position++] == '\n') ++line;
    }
    const std::size_t begin = position;
    while (position < text.size() && !IsSpace(text[position])) ++position;
    token.assign(text, begin, position - begin);
    return !token.empty();
  }
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
  bool Fail(const std::string& message) {
    error = "line " + std::to_string(line) + ": " + message;
    return false;
  }
  // Tokens up to $end, joined by spaces.
  bool Section(std::string& body) {
    std::string token;
    while (Next(token)) {
      if (token == "$end") return true;
      body += body.empty() ? token : " " + token;
    }
    return Fail("a section lacks its $end");
  }
  bool SkipToEnd() {
    std::string ignored;
    return Section(ignored);
  }

  bool Declaration(const std::string& keyword) {
    std::string body;
    if (keyword[0] != '$') return Fail("unexpected '" + keyword + "' in the header");
    if (!Section(body)) return false;
    if (keyword == "$timescale") {
      if (!ParseTimescale(body, numerator, denominator))
        return Fail("unknown time scale '" + body + "'");
    } else if (keyword == "$comment") {
      std::int64_t nanos = 0;
      if (body.starts_with("T = ") && body.ends_with(" ns") &&
          ParseInt(std::string_view(body).substr(4, body.size() - 7), nanos)) {
        waveform.unitNanos = nanos;
      }
    } else if (keyword == "$var") {
      Variable(body);
    }
    return true;
  }

  // "type width id name [range]"
  void Variable(const std::string& declaration) {
    std::istringstream fields(declaration);
    std::string type, width, id, name;
    fields >> type >> width >> id >> name;
    const std::string lowered = Lower(name);
    if (width == "1" && lowered.size() == 2 && lowered[0] == 'd' && lowered[1] >= '0' &&
        lowered[1] <= '7') {
      roles.emplace(id, Role{lowered[1] - '0'});
      hasBits = true;
    } else if (width == "8" && lowered == kVcdBusName) {
      roles.emplace(id, Role{-1});
    }
  }

  void Apply(const std::string& id, std::uint8_t bus, int level) {
    for (auto [it, end] = roles.equal_range(id); it != end; ++it) {
      const int bit = it->second.bit;
      if (bit >= 0) {
        bits = static_cast<std::uint8_t>((bits & ~(1u << bit)) | (unsigned(level) << bit));
      } else {
        busValue = bus;
      }
    }
  }

  void Emit() {
    const std::uint8_t value = hasBits ? bits : busValue;
    if (waveform.samples.empty() || waveform.samples.back().value != value)
      waveform.samples.push_back({time, value});
  }

  bool Body() {
    std::string token;
    bool any = false;
    while (Next(token)) {
      const char kind = token[0];
      if (kind == '#') {
        std::int64_t stamp = 0;
        if (!ParseInt(std::string_view(token).substr(1), stamp))
          return Fail("bad time stamp '" + token + "'");
        // A stamp the time scale turns into more nanoseconds than 64 bits hold is no recording.
        if (stamp > std::numeric_limits<std::int64_t>::max() / numerator)
          return Fail("time stamp '" + token + "' is too large for the time scale");
        if (any) Emit();
        const std::int64_t next = stamp * numerator / denominator;
        if (next < time) return Fail("time goes backwards at '" + token + "'");
        time = next;
        waveform.endTime = time;
        any = true;
      } else if (kind == '$') {
        // $dumpvars, $dumpall, $end and the like group changes; $comment holds text.
        if (token == "$comment" && !SkipToEnd()) return false;
      } else if (kind == 'b' || kind == 'B') {
        std::string id;
        if (!Next(id)) return Fail("a vector value lacks its identifier");
        std::uint8_t value = 0;
        for (const char c : token.substr(1))
          value = static_cast<std::uint8_t>(value << 1 | (c == '1'));
        Apply(id, value, 0);
      } else if (kind == 'r' || kind == 'R') {
        std::string ignored;
        if (!Next(ignored)) return Fail("a real value lacks its identifier");
      } else if (std::string_view("01xXzZ").find(kind) != std::string_view::npos) {
        Apply(token.substr(1), 0, kind == '1' ? 1 : 0);
      } else {
        return Fail("unexpected '" + token + "'");
      }
    }
    if (any) Emit();
    return true;
  }

  std::string text;
  std::size_t position = 0;
  std::size_t line = 1;
  Waveform& waveform;
  std::string& error;
  std::multimap<std::string, Role> roles;
  bool hasBits = false;
  std::int64_t numerator = 1;
  std::int64_t denominator = 1;
  std::int64_t time = 0;
  std::uint8_t bits = 0;
  std::uint8_t busValue = 0;
};

}  // namespace

bool ReadVcd(std::istream& in, Waveform& waveform, std::string& error) {
  waveform = Waveform{};
  std::ostringstream text;
  text << in.rdbuf();
  return Parser(text.str(), waveform, error).Run();
}

bool ReadVcdFile(const std::filesystem::path& path, Waveform& waveform, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path.string();
    return false;
  }
  if (ReadVcd(in, waveform, error)) return true;
  error = path.string() + ", " + error;
  return false;
}

}  // namespace lunda
