// A small tag scanner for sitemap files; only <ul>, <object> and <param> carry meaning.
#include "gui/help/chm_sitemap.h"

#include <optional>

#include "algorithm/ascii_case.h"

namespace lunda {
namespace {

struct Tag {
  std::string name;  // lower case, "/ul" for a closing tag
  std::string_view attributes;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The tag starting at text[at] == '<', with at moved past its '>'.
Tag ReadTag(std::string_view text, std::size_t& at) {
  const std::size_t close = text.find('>', at);
  const std::size_t end = close == std::string_view::npos ? text.size() : close;
  std::size_t nameEnd = at + 1;
  while (nameEnd < end && !IsSpace(text[nameEnd])) ++nameEnd;
  Tag tag;
  for (std::size_t i = at + 1; i < nameEnd; ++i) tag.name += AsciiLower(text[i]);
  tag.attributes = text.substr(nameEnd, end - nameEnd);
  at = close == std::string_view::npos ? text.size() : close + 1;
  return tag;
}

std::string DecodeEntities(std::string_view value) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < value.size();) {
    bool replaced = false;
    for (const auto& [entity, character] : kEntities) {
      if (value.substr(i).starts_with(entity)) {
        out += character;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += value[i++];
  }
  return out;
}

// The value of one attribute, quoted or not, or nothing when the tag lacks it.
std::optional<std::string> Attribute(std::string_view attributes, std::string_view wanted) {
  std::size_t at = 0;
  while (at < attributes.size()) {
    while (at < attributes.size() && (IsSpace(attributes[at]) || attributes[at] == '/')) ++at;
    const std::size_t nameStart = at;
    while (at < attributes.size() && attributes[at] != '=' && !IsSpace(attributes[at])) ++at;
    const std::string_view name = attributes.substr(nameStart, at - nameStart);
    while (at < attributes.size() && IsSpace(attributes[at])) ++at;
    if (at >= attributes.size() || attributes[at] != '=') {
      if (name.empty()) ++at;
      continue;
    }
    ++at;
    while (at < attributes.size() && IsSpace(attributes[at])) ++at;
    std::string_view value;
    if (at < attributes.size() && (attributes[at] == '"' || attributes[at] == '\'')) {
      const char quote = attributes[at++];
      const std::size_t close = attributes.find(quote, at);
      const std::size_t end = close == std::string_view::npos ? attributes.size() : close;
      value = attributes.substr(at, end - at);
      at = end + 1;
    } else {
      const std::size_t start = at;
      while (at < attributes.size() && !IsSpace(attributes[at])) ++at;
      value = attributes.substr(start, at - start);
    }
    if (EqualsIgnoringAsciiCase(name, wanted)) return DecodeEntities(value);
  }
  return std::nullopt;
}

}  // namespace

std::vector<SitemapItem> ParseSitemap(std::string_view text) {
  std::vector<SitemapItem> roots;
  // The lists being filled, innermost last; each is the children of the previous list's last
  // item, which stays put while only the innermost list grows.
  std::vector<std::vector<SitemapItem>*> lists{&roots};
  std::optional<SitemapItem> item;
  for (std::size_t at = text.find('<'); at < text.size(); at = text.find('<', at)) {
    const Tag tag = ReadTag(text, at);
    std::vector<SitemapItem>& list = *lists.back();
    if (tag.name == "ul") {
      // A list opened before any item of its level (the outermost one) adds no level.
      lists.push_back(list.empty() || lists.size() > kMaxSitemapDepth ? &list
                                                                      : &list.back().children);
    } else if (tag.name == "/ul") {
      if (lists.size() > 1) lists.pop_back();
    } else if (tag.name == "object") {
      const auto type = Attribute(tag.attributes, "type");
      if (type && EqualsIgnoringAsciiCase(*type, "text/sitemap")) item.emplace();
    } else if (tag.name == "/object") {
      if (item) list.push_back(std::move(*item));
      item.reset();
    } else if (tag.name == "param" && item) {
      const auto name = Attribute(tag.attributes, "name");
      const auto value = Attribute(tag.attributes, "value");
      if (!name || !value) continue;
      if (EqualsIgnoringAsciiCase(*name, "Name") && item->name.empty()) item->name = *value;
      if (EqualsIgnoringAsciiCase(*name, "Local") && item->local.empty()) item->local = *value;
    }
  }
  return roots;
}

}  // namespace lunda
